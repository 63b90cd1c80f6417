// Accepting a finding in the Checks dock: it moves to the accepted list with its reason, the
// status bar stops counting it, and the file beside the listing says the same to
// `frameplan check`, run as its own process.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "main_window_fixture.h"
#include "window/checks_dock.h"

namespace fp::testing {
namespace {

#ifdef FRAMEPLAN_PROGRAM

std::string sampleText() {
    std::ifstream file("samples/office-block.anl");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// What `frameplan check LISTING --json` says: its warning count and the ids it lists as
// accepted, each with its reason.
struct CommandChecks {
    int warnings = -1;
    std::map<std::string, std::string> accepted;
};

CommandChecks commandChecks(const std::string& listing) {
    QProcess program;
    program.start(QStringLiteral(FRAMEPLAN_PROGRAM),
                  {QStringLiteral("check"), QString::fromStdString(listing),
                   QStringLiteral("--json"), QStringLiteral("--all")});
    EXPECT_TRUE(program.waitForFinished(60000));
    const QJsonObject json = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    CommandChecks checks;
    checks.warnings = json["warnings"].toInt(-1);
    for (const QJsonValue& finding : json["findings"].toArray()) {
        if (finding["accepted"].isObject()) {
            checks.accepted[finding["id"].toString().toStdString()] =
                finding["accepted"]["reason"].toString().toStdString();
        }
    }
    return checks;
}

class AcceptingFindings : public ::testing::Test {
  protected:
    AcceptingFindings() : open(sampleText()), dock(open.child<ChecksDock>("checksDock")) {
        dock.askReason = [this](QWidget*, const Finding&) { return reasons.front(); };
    }

    // Accepts the open finding in the row with the reason; the id it has in the window.
    std::string acceptRow(int row, const QString& reason) {
        reasons = {reason};
        dock.list->setCurrentItem(dock.list->topLevelItem(row));
        const std::vector<JudgedFinding> judged = open.session().judgedFindings();
        std::string id;
        for (const JudgedFinding& finding : judged) {
            if (finding.accepted == nullptr && id.empty() && row-- == 0) {
                id = finding.id;
            }
        }
        dock.acceptButton->click();
        return id;
    }

    OpenWindow open;
    ChecksDock& dock;
    std::vector<QString> reasons;
};

TEST_F(AcceptingFindings, AnAcceptedFindingIsShownApartAndCheckReadsTheSameFile) {
    const int findings = dock.list->topLevelItemCount();
    const CommandChecks before = commandChecks(open.listingPath());
    ASSERT_GT(before.warnings, 1);
    const std::string first = acceptRow(0, QStringLiteral("Shaft, left open on purpose"));
    const std::string second = acceptRow(2, QStringLiteral("Lift pit"));
    EXPECT_EQ(dock.list->topLevelItemCount(), findings - 2);
    ASSERT_EQ(dock.acceptedList->topLevelItemCount(), 2);
    const CommandChecks after = commandChecks(open.listingPath());
    EXPECT_EQ(after.warnings, before.warnings - 2);
    EXPECT_EQ(after.accepted, (std::map<std::string, std::string>{
                                  {first, "Shaft, left open on purpose"}, {second, "Lift pit"}}));
    EXPECT_TRUE(
        open.child<QToolButton>("checksButton").text().endsWith(QStringLiteral(", 2 accepted")));

    // Taken back, it counts again, in the window and on the command line alike.
    dock.acceptedList->setCurrentItem(dock.acceptedList->topLevelItem(0));
    dock.withdrawButton->click();
    EXPECT_EQ(dock.acceptedList->topLevelItemCount(), 1);
    EXPECT_EQ(commandChecks(open.listingPath()).warnings, before.warnings - 1);

    // Read again, the listing keeps what was accepted.
    ASSERT_TRUE(open.reload());
    EXPECT_EQ(dock.acceptedList->topLevelItemCount(), 1);
}

TEST_F(AcceptingFindings, AFileThatCannotBeWrittenChangesNothingAndSaysWhy) {
    // A folder where the file should be: it cannot be written over.
    std::filesystem::create_directory(open.listingPath() + ".frameplan.json");
    const int findings = dock.list->topLevelItemCount();
    acceptRow(0, QStringLiteral("Shaft"));
    std::filesystem::remove(open.listingPath() + ".frameplan.json");
    EXPECT_EQ(dock.list->topLevelItemCount(), findings);
    EXPECT_EQ(dock.acceptedList->topLevelItemCount(), 0);
    ASSERT_EQ(open.messages.size(), 1u);
    EXPECT_NE(open.messages[0].find(".frameplan.json"), std::string::npos) << open.messages[0];
}

#endif

}  // namespace
}  // namespace fp::testing
