// Every byte, in a load-case title and in the listing's file name, gives files the readers of
// their formats accept: the SVG is well-formed XML, the DXF keeps its group pairs in step.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sstream>
#include <string>

#include "files/pending_file.h"
#include "output/export_request.h"
#include "render/plan_pages.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// Level 2 of a 3 x 2 grid, its first panel loaded in case 1 of the given title; the listing
// named `name`.
ListingDocument titled(const std::string& title, const std::string& name) {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    for (int32_t member = 1; member <= 7; ++member) {
        frame.builder.designRow(member, 5000);
    }
    frame.builder.loadCase("1", title);
    frame.builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, 5, 0, 4);
    ListingDocument document = frame.builder.build();
    document.name = name;
    return document;
}

std::string exported(const ListingDocument& document, ExportFormat format, const QString& path) {
    ExportRequest request;
    request.output = path.toStdString();
    request.format = format;
    request.levels.number = 2;
    request.width = 400;
    request.height = 300;
    request.titleBlock = true;
    exportPlans(document, request);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

// The character data of the SVG, without the blanks between its elements; and the parser's
// complaint.
QString svgText(const std::string& svg, QString& error) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    QString text;
    while (!xml.atEnd()) {
        // A character from a fallback font stands in a text element of its own, between line
        // breaks.
        if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace()) {
            text += xml.text();
        }
    }
    error = xml.hasError() ? xml.errorString() : QString();
    return text;
}

class DxfTexts : public DL_CreationAdapter {
  public:
    void addText(const DL_TextData& data) override { texts.push_back(data.text); }
    std::vector<std::string> texts;
};

std::vector<std::string> dxfTexts(const std::string& dxf) {
    DxfTexts read;
    DL_Dxf reader;
    std::istringstream in(dxf);
    EXPECT_TRUE(reader.in(in, &read));
    return read.texts;
}

bool isControl(unsigned char byte) {
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

TEST(TextBytes, EveryByteInATitleOrAFileNameGivesFilesTheirReadersAccept) {
    QTemporaryDir folder;
    const QString svgPath = folder.filePath(QStringLiteral("plan.svg"));
    const QString dxfPath = folder.filePath(QStringLiteral("plan.dxf"));
    const std::string listingFolder = folder.path().toStdString() + "/";
    const std::size_t plainTexts =
        dxfTexts(exported(titled("AZ", listingFolder + "AZ.anl"), ExportFormat::Dxf, dxfPath))
            .size();
    for (int value = 0; value <= 0xFF; ++value) {
        const char byte = static_cast<char>(value);
        SCOPED_TRACE("byte " + std::to_string(value));
        const std::string inside = std::string("A") + byte + "Z";
        // No file name holds a NUL or a slash.
        const std::string name = value == 0 || byte == '/' ? "AZ" : inside;
        const ListingDocument document = titled(inside, listingFolder + name + ".anl");

        QString error;
        const QString text = svgText(exported(document, ExportFormat::Svg, svgPath), error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        if (isControl(static_cast<unsigned char>(byte))) {
            EXPECT_TRUE(text.contains(QStringLiteral("A\uFFFDZ"))) << text.toStdString();
        }

        const std::vector<std::string> texts =
            dxfTexts(exported(document, ExportFormat::Dxf, dxfPath));
        EXPECT_EQ(texts.size(), plainTexts);
        for (const std::string& read : texts) {
            EXPECT_EQ(read.find_first_of("\r\n"), std::string::npos) << read;
        }
    }
}

}  // namespace
}  // namespace fp
