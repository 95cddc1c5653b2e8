#pragma once
// A string table as the translators keep it (Qt's TS format), read for the tests that check the
// tables against each other and find which key a text on screen came from.

#include <QString>
#include <QStringList>

#include <map>

namespace tornivo::test {

// One message of a table: its text, or one text per plural form where it has them.
struct TsMessage {
    bool numerus = false;
    QStringList forms;
};

struct TsTable {
    QString language;  // the file's language attribute, which picks the plural rules
    std::map<QString, TsMessage> messages;  // by key; texts lupdate retired are left out
};

// The table in the file; empty when it cannot be read.
TsTable readTsTable(const QString& path);

}  // namespace tornivo::test
