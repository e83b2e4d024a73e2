#include "tests/support/test_support.h"

#include <QFile>
#include <QtTest>

#include "platform/sys/codepage.h"
#include "startup/language_file.h"

namespace testing {

std::string languageFileBytes(const std::function<QString(int record)>& text)
{
    std::vector<std::string> records;
    for (int r = 1; r <= langfile::recordCount; ++r)
        records.push_back(platform::codepage::fromUtf8(text(r).toStdString(), 1250).bytes);
    return langfile::writeRecords(records);
}

void writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write test file %s", qPrintable(path));
}

std::string readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

QString builtLanguageFolder()
{
    const QString folder = qEnvironmentVariable("QUELMARN_QLK_DIR");
    if (folder.isEmpty()) qFatal("QUELMARN_QLK_DIR is not set");
    return folder;
}

FakeApp::FakeApp()
    : context{table, fakes.view(), [this] { ++endProgramCalls; }, system.view()}
{
    for (int n = 1; n <= 134; ++n)
        table.setText(n, QStringLiteral("T%1").arg(n));
}

} // namespace testing
