#pragma once
// Form1: the string table. 134 entries Text1..Text134, each "Text1" until
// start-up fills 133 of them from the language file; read-only afterwards.
// It is never shown, so it is plain storage rather than a widget.

#include <QString>
#include <array>
#include <string>

class Form1 {
public:
    Form1();

    // Entry TextN, N from 1 to 134.
    const QString& text(int n) const;

    // Fills the entries from the bytes of a language file, decoding the
    // text from the given ANSI code page. Throws platform::Failure for a
    // negative length, naming fileName and the record.
    void load(const std::string& fileBytes, const std::string& fileName, int codePage);

    // Sets one entry; only loading and tests write the table.
    void setText(int n, const QString& text);

private:
    std::array<QString, 134> entries_;
};
