#pragma once
// Messages the system-call layer composes, in the user's language. This
// layer knows nothing of Qt: a message is its English source text, marked
// with QT_TRANSLATE_NOOP("platform", ...) so that lupdate collects it, and
// the translator the Qt layer installs at start-up turns it into the
// interface language before the arguments are put in. Without a
// translator (the packer, the Windows tests) the English text is used.

#include <initializer_list>
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace platform {

// Returns the translation of an English source text, or the text itself.
using MessageTranslator = std::string (*)(const char* source);

// Installed once at start-up; nullptr goes back to English.
void setMessageTranslator(MessageTranslator translator);

// The source translated, with %1 to %9 replaced by the arguments in one
// pass (an argument that itself holds "%2" stays as it is).
std::string message(const char* source, std::initializer_list<std::string> arguments = {});

// The reason of a system error number in the user's language: the common
// ones translated, the rest as the C library words them (in English).
std::string errorReason(int error);

} // namespace platform
