#include "TsTable.h"

#include <QFile>
#include <QXmlStreamReader>

namespace tornivo::test {

TsTable readTsTable(const QString& path) {
    TsTable table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return table;
    QXmlStreamReader xml(&file);
    TsMessage* message = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attributes = xml.attributes();
        if (xml.name() == u"TS") {
            table.language = attributes.value("language").toString();
        } else if (xml.name() == u"message") {
            message = &table.messages[attributes.value("id").toString()];
            message->numerus = attributes.value("numerus") == u"yes";
        } else if (xml.name() == u"translation" && message) {
            // lrelease leaves out what lupdate retired.
            const auto type = attributes.value("type");
            if (type == u"vanished" || type == u"obsolete") {
                xml.skipCurrentElement();
            } else if (!message->numerus) {
                message->forms << xml.readElementText();
            } else {
                while (xml.readNextStartElement())
                    message->forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }
    std::erase_if(table.messages, [](const auto& entry) { return entry.second.forms.isEmpty(); });
    return table;
}

}  // namespace tornivo::test
