#include "ui/form1.h"

#include <cstdio>

#include "languages/language_file.h"
#include "platform/failure.h"
#include "platform/sys/codepage.h"

namespace {
void checkEntry(int n)
{
    if (n < 1 || n > langfile::entryCount)
        throw platform::Failure("There is no text entry Text" + std::to_string(n) + ".");
}
} // namespace

Form1::Form1() { entries_.fill(QStringLiteral("Text1")); }

const QString& Form1::text(int n) const
{
    checkEntry(n);
    return entries_[size_t(n - 1)];
}

void Form1::setText(int n, const QString& text)
{
    checkEntry(n);
    entries_[size_t(n - 1)] = text;
}

void Form1::load(const std::string& fileBytes, const std::string& fileName, int codePage)
{
    int endedInRecord = 0;
    const std::vector<std::string> records = langfile::readRecords(fileBytes, fileName, &endedInRecord);
    // Start-up goes on with the missing texts empty, as it always has; the
    // one line says why the captions are blank.
    if (endedInRecord != 0)
        std::fprintf(stderr,
                     "quelmarn: the language file \"%s\" ends in record %d of %d; the texts from there on are empty.\n",
                     fileName.c_str(), endedInRecord, langfile::recordCount);
    for (int r = 1; r <= langfile::recordCount; ++r)
        setText(langfile::entryForRecord(r),
                QString::fromStdString(platform::codepage::toUtf8(records[size_t(r - 1)], codePage)));
}
