#include "transfer/KvtmlReader.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>

namespace tavrio::transfer {

namespace {
struct cTranslation {
    std::string text;
    std::string pronunciation;
};

// Reads one <translation>: its <text> and <pronunciation>, skipping the rest.
cTranslation readTranslation(QXmlStreamReader& xml)
{
    cTranslation t;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text")
            t.text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
        else if (xml.name() == u"pronunciation")
            t.pronunciation = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
        else
            xml.skipCurrentElement();
    }
    return t;
}

cKvtmlEntry readEntry(QXmlStreamReader& xml)
{
    std::map<long, cTranslation> byId;  // ordered by id; document order for equal or missing ids
    long next = 1L << 20;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"translation") {
            xml.skipCurrentElement();
            continue;
        }
        bool ok = false;
        long id = xml.attributes().value(QStringLiteral("id")).toLong(&ok);
        if (!ok || byId.count(id))
            id = next++;
        byId[id] = readTranslation(xml);
    }
    cKvtmlEntry e;
    auto it = byId.begin();
    if (it != byId.end()) {
        e.original = it->second.text;
        e.pronunciation = it->second.pronunciation;
        if (++it != byId.end()) {
            e.translation = it->second.text;
            if (e.pronunciation.empty())
                e.pronunciation = it->second.pronunciation;
        }
    }
    return e;
}
} // namespace

cKvtmlDocument ReadKvtml(std::string_view utf8)
{
    cKvtmlDocument doc;
    QXmlStreamReader xml(QByteArray::fromRawData(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (!xml.readNextStartElement()) {
        doc.error = xml.hasError() ? cKvtmlError::NotWellFormed : cKvtmlError::NotKvtml;
        return doc;
    }
    if (xml.name() != u"kvtml") {
        doc.error = cKvtmlError::NotKvtml;
        return doc;
    }
    if (!xml.attributes().value(QStringLiteral("version")).startsWith(u"2")) {
        doc.error = cKvtmlError::UnknownVersion;
        return doc;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"entries") {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == u"entry")
                doc.entries.push_back(readEntry(xml));
            else
                xml.skipCurrentElement();
        }
    }
    // The rest of the document must be well-formed too.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError()) {
        doc.error = cKvtmlError::NotWellFormed;
        doc.entries.clear();
    }
    return doc;
}

} // namespace tavrio::transfer
