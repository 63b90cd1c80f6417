// Every menu entry can be reached from the keyboard: a mnemonic of its own within its menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "main_window_fixture.h"
#include "window_listings.h"

namespace fp::testing {
namespace {

// The letter after the single '&' of an entry's text, in lower case; 0 when it has none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return QChar();
}

void expectMnemonics(const QMenu& menu, const QString& path) {
    std::map<QChar, QString> taken;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            continue;
        }
        const QString name = path + QStringLiteral(" → ") + action->text();
        const QChar letter = mnemonicOf(action->text());
        EXPECT_FALSE(letter.isNull()) << name.toStdString() << " has no mnemonic";
        if (!letter.isNull()) {
            const auto [at, fresh] = taken.emplace(letter, action->text());
            EXPECT_TRUE(fresh) << name.toStdString() << " shares its mnemonic with "
                               << at->second.toStdString();
        }
        if (action->menu() != nullptr) {
            expectMnemonics(*action->menu(), name);
        }
    }
}

TEST(Menus, EveryEntryHasAMnemonicOfItsOwnInItsMenu) {
    OpenWindow open(threeLevelListing());
    std::map<QChar, QString> taken;
    for (QAction* top : open.window().menuBar()->actions()) {
        const QChar letter = mnemonicOf(top->text());
        EXPECT_FALSE(letter.isNull()) << top->text().toStdString();
        EXPECT_TRUE(taken.emplace(letter, top->text()).second) << top->text().toStdString();
        // The recent listings are numbered by the program, each with its digit.
        if (top->menu() != nullptr) {
            expectMnemonics(*top->menu(), top->text());
        }
    }
}

}  // namespace
}  // namespace fp::testing
