#!/usr/bin/env python3
"""Fails when a function that a platform/sys/*.h header declares has no
definition in the Windows build's libraries.

clang reads every header of platform/sys/ as the mingw-w64 compiler would
(its C++ library's headers, the Windows target) and lists each function and
method declared there without a body, by its mangled name; nm lists what the
libraries define. A declared function that is missing, or whose signature
drifted from the definition's, is reported with its header and line, and the
exit status is 1. Inline, constexpr, pure virtual, defaulted and deleted
functions and templates need no definition of their own.

usage: windows_link_check.py SOURCE_DIR MINGW_CXX NM LIBRARY...
"""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile


def compiler_include_dirs(cxx):
    """The system include folders the mingw-w64 C++ compiler searches."""
    probe = subprocess.run([cxx, "-x", "c++", "-E", "-v", "-"], input="", capture_output=True, text=True)
    dirs, inside = [], False
    for line in probe.stderr.splitlines():
        if line.startswith("#include <...> search starts here"):
            inside = True
        elif line.startswith("End of search list"):
            break
        elif inside:
            dirs.append(os.path.normpath(line.strip()))
    if not dirs:
        sys.exit(f"{cxx} names no include folders:\n{probe.stderr}")
    return dirs


def dump(source_dir, headers, cxx):
    """clang's AST of the headers, as the JSON objects it prints one after another."""
    resource = subprocess.run(["clang++", "-print-resource-dir"], capture_output=True, text=True, check=True).stdout.strip()
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as unit:
        unit.write("".join(f'#include "{h}"\n' for h in headers))
    command = ["clang++", "--target=x86_64-w64-mingw32", "-std=c++17", "-fsyntax-only", "-nostdinc",
               "-isystem", os.path.join(resource, "include")]
    for d in compiler_include_dirs(cxx):
        command += ["-isystem", d]
    command += ["-I", source_dir, "-Xclang", "-ast-dump=json", "-Xclang", "-ast-dump-filter", "-Xclang", "platform",
                unit.name]
    result = subprocess.run(command, capture_output=True, text=True)
    os.unlink(unit.name)
    if result.returncode != 0:
        sys.exit("clang cannot read the headers:\n" + result.stderr)
    decoder, text, at, objects = json.JSONDecoder(), result.stdout, 0, []
    while True:
        while at < len(text) and text[at].isspace():
            at += 1
        if at >= len(text):
            return objects
        if text.startswith("Dumping ", at):  # the filter's heading before each match
            at = text.index("\n", at)
            continue
        node, at = decoder.raw_decode(text, at)
        objects.append(node)


class Walker:
    """Visits the nodes in the order clang printed them, keeping track of the
    file, which clang names only where it changes."""

    def __init__(self, wanted_files):
        self.file = None
        self.wanted = wanted_files
        self.declared = []  # (mangled name, readable name, file, line)

    def location(self, loc):
        if not loc:
            return None
        if "spellingLoc" in loc:
            self.location(loc["spellingLoc"])
            return self.location(loc["expansionLoc"])
        if "file" in loc:
            self.file = loc["file"]
        if "line" in loc:
            self.line = loc["line"]
        return self.file

    def visit(self, node, scope, in_template=False):
        file = self.location(node.get("loc"))
        line = getattr(self, "line", 0)
        rng = node.get("range", {})
        self.location(rng.get("begin"))
        self.location(rng.get("end"))
        kind = node.get("kind", "")
        name = node.get("name", "")
        if kind in ("FunctionDecl", "CXXMethodDecl", "CXXConstructorDecl", "CXXDestructorDecl") and not in_template:
            inner = node.get("inner", [])
            has_body = any(child.get("kind") == "CompoundStmt" for child in inner)
            free = not (node.get("inline") or node.get("constexpr") or node.get("pure") or has_body
                        or node.get("explicitlyDefaulted") or node.get("explicitlyDeleted") or node.get("isImplicit"))
            if free and file and os.path.normpath(file) in self.wanted and "mangledName" in node:
                signature = node.get("type", {}).get("qualType", "")
                split = signature.find(" (")
                readable = f"{signature[:split]} {'::'.join(scope + [name])}{signature[split + 1:]}"
                self.declared.append((node["mangledName"], readable, file, line))
        template = in_template or kind in ("FunctionTemplateDecl", "ClassTemplateDecl",
                                            "ClassTemplatePartialSpecializationDecl")
        inner_scope = scope + [name or "(anonymous)"] if kind in ("NamespaceDecl", "CXXRecordDecl") else scope
        for child in node.get("inner", []):
            self.visit(child, inner_scope, template)


def defined_symbols(nm, libraries):
    out = subprocess.run([nm, "--defined-only", "-g"] + libraries, capture_output=True, text=True, check=True).stdout
    symbols = set()
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[1] not in ("U", "w", "v"):
            symbols.add(parts[2])
    return symbols


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    source_dir, cxx, nm, libraries = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
    headers = sorted(glob.glob(os.path.join(source_dir, "platform", "sys", "*.h")))
    walker = Walker({os.path.normpath(h) for h in headers})
    for node in dump(source_dir, headers, cxx):
        walker.visit(node, [])
    declared = {}
    for mangled, readable, file, line in walker.declared:
        declared.setdefault(mangled, (readable, file, line))
    if not declared:
        sys.exit("no function declarations found in platform/sys/*.h: the check itself is broken")
    defined = defined_symbols(nm, libraries)
    missing = sorted((os.path.relpath(f, source_dir), l, r, m) for m, (r, f, l) in declared.items() if m not in defined)
    for file, line, readable, mangled in missing:
        print(f"{file}:{line}: {readable} has no Windows definition ({mangled})")
    print(f"windows link check: {len(declared)} declared functions, {len(missing)} without a Windows definition")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
