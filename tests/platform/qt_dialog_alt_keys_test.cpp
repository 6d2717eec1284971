// Alt with a letter types nothing in Qt's own dialogs either: the number box of an Edit
// command, the Save dialog's name box (its completer's list showing or not) and the print
// dialog's output file. A dialog's mnemonic still acts (Alt+S saves), and AltGr, which
// X11 sends as GroupSwitchModifier, still types its character. Keys are sent where the
// keyboard sends them, each dialog run by the command that opens it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Menu.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using qvtest::keyTarget;
using qvtest::settle;

void waitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    settle();
}

// Alt held with each letter in turn.
void altWith(const QString& letters) {
    for (QChar l : letters) qvtest::altWith(static_cast<Qt::Key>(l.toUpper().unicode()));
}

void typeText(const QString& text) {
    for (QChar c : text) QTest::keyClick(keyTarget(), static_cast<Qt::Key>(c.toUpper().unicode()), Qt::NoModifier);
    settle();
}

// Runs `command`, and `drive` in the Qt dialog of type D it opens, once the dialog has the
// keyboard; a dialog still open afterwards is cancelled.
template <typename D>
bool drivenIn(const std::function<void()>& command, const std::function<void(D&)>& drive) {
    bool driven = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QPointer<D> d = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        poll.stop();
        driven = true;
        if (!d->isActiveWindow()) d->activateWindow();
        waitFor([&] { return d->isActiveWindow() && d->isAncestorOf(QApplication::focusWidget()); });
        drive(*d);
        if (d && d->isVisible()) d->reject();
    });
    poll.start(10);
    command();
    poll.stop();
    settle();
    return driven;
}

// Edit > Add Constraints from the keyboard: Alt+E, the item marked, Enter.
void chooseAddConstraints() {
    altWith("e");
    QMenu* edit = frmMenu().mnudispedit->qmenu();
    ASSERT_EQ(QApplication::activePopupWidget(), edit);
    for (QAction* a : edit->actions())
        if (a->text() == "Add Constraints") edit->setActiveAction(a);
    ASSERT_EQ(edit->activeAction()->text(), "Add Constraints");
    QTest::keyClick(keyTarget(), Qt::Key_Return);
}

const char* const kLp = "2\n\"x\"\n\"MAX 3X1+5X2\"\n\"1X1+0X2<4\"\n\"0X1+2X2<12\"\n";

class QtDialogAltKeysTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        dir = qvtest::emptyTestDir("qv_altdialog_");
        // An LP problem opened from a file, with the scripted host; the Qt host afterwards.
        frmMenu();
        qvtest::chooseModule(1);
        std::ofstream(dir / "wyndor.LPM", std::ios::binary) << kLp;
        pf::scriptedHost().expectFile((dir / "wyndor.LPM").string());
        frmMenu().mnuFileOpen_Click();
        pf::collectUnloaded();
        qv::S().strProblemFolder = dir.string();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        fs::remove_all(dir);
    }
    static void onQtHost() {
        qvtest::activeOnScreen(frmMenu());
        pf::setHost(pf::makeQtHost());
    }
    fs::path dir;
};

TEST_F(QtDialogAltKeysTest, AltWithALetterTypesNothingInAQtDialogsBox) {
    struct Row {
        const char* name;
        std::function<void()> before;  // scripted: what the command needs
        std::function<bool(const std::function<void(QLineEdit&)>&)> open;
    };
    auto inBox = [](const char* objectName) {
        return [objectName](QDialog& d) -> QLineEdit* {
            auto* box = objectName ? d.findChild<QLineEdit*>(objectName) : d.findChild<QLineEdit*>();
            return box;
        };
    };
    auto addConstraints = [&](const std::function<void(QLineEdit&)>& act) {
        return drivenIn<QInputDialog>(chooseAddConstraints,
                                      [&](QInputDialog& d) {
                                          QLineEdit* box = inBox(nullptr)(d);
                                          ASSERT_NE(box, nullptr);
                                          ASSERT_EQ(QApplication::focusWidget(), box);
                                          act(*box);
                                      });
    };
    auto saveProblem = [&](const std::function<void(QLineEdit&)>& act) {
        return drivenIn<QFileDialog>([] { frmMenu().mnuFileSave_Click(); },
                                     [&](QFileDialog& d) {
                                         QLineEdit* box = inBox("fileNameEdit")(d);
                                         ASSERT_NE(box, nullptr);
                                         ASSERT_EQ(QApplication::focusWidget(), box);
                                         QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                                         act(*box);
                                     });
    };
    auto print = [&](const std::function<void(QLineEdit&)>& act) {
        return drivenIn<QPrintDialog>([] { frmMenu().mnuSolutionPrinttoPrinter_Click(); },
                                      [&](QPrintDialog& d) {
                                          // The output file is asked for when printing to a file.
                                          auto* printers = d.findChild<QComboBox*>("printers");
                                          ASSERT_NE(printers, nullptr);
                                          const int toFile = printers->findText("PDF", Qt::MatchContains);
                                          ASSERT_GE(toFile, 0);
                                          printers->setCurrentIndex(toFile);
                                          QLineEdit* box = inBox("filename")(d);
                                          ASSERT_NE(box, nullptr);
                                          ASSERT_TRUE(box->isEnabled() && box->isVisible());
                                          QTest::mouseClick(box, Qt::LeftButton);
                                          settle();
                                          ASSERT_EQ(QApplication::focusWidget(), box);
                                          QTest::keyClick(box, Qt::Key_End);
                                          act(*box);
                                      });
    };
    const Row rows[] = {
        {"Add Constraints", nullptr, addConstraints},
        {"Save Problem", nullptr, saveProblem},
        {"Print", [] { frmMenu().mnuSolutionSolve_Click(); }, print},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.before) r.before();
        onQtHost();
        QString typed, after;
        const bool driven = r.open([&](QLineEdit& box) {
            typeText("12");
            typed = box.text();
            altWith("qfexzc");
            after = box.text();
            // The keyboard is still in the box.
            typeText("3");
            EXPECT_EQ(box.text().toStdString(), (typed + "3").toStdString());
        });
        EXPECT_TRUE(driven) << "no dialog came up";
        EXPECT_TRUE(typed.endsWith("12")) << typed.toStdString();
        EXPECT_EQ(after.toStdString(), typed.toStdString());
        pf::setHost(std::make_unique<pf::ScriptedHost>());
    }
    EXPECT_FALSE(fs::exists(dir / "12.LPM"));
}

// A completer's list takes the keys while it shows, and hands them to the box behind it.
TEST_F(QtDialogAltKeysTest, AltWithALetterTypesNothingWhileTheCompletersListShows) {
    onQtHost();
    QString typed, after;
    bool listShown = false;
    const bool driven = drivenIn<QFileDialog>([] { frmMenu().mnuFileSave_Click(); }, [&](QFileDialog& d) {
        auto* box = d.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        typeText("wy");
        QCompleter* completer = box->completer();
        ASSERT_NE(completer, nullptr);
        waitFor([&] { return completer->popup()->isVisible(); });
        listShown = completer->popup()->isVisible() && QApplication::activePopupWidget() == completer->popup();
        ASSERT_TRUE(listShown) << "the completer's list did not come up";
        typed = box->text();
        altWith("qfex");
        after = box->text();
    });
    EXPECT_TRUE(driven);
    EXPECT_EQ(typed.toStdString(), "wy");
    EXPECT_EQ(after.toStdString(), "wy");
}

// The dialog's own mnemonic still acts: Alt+S presses Save, and the name as typed is the
// file written. AltGr's character (X11: GroupSwitchModifier, no Alt) is typed.
TEST_F(QtDialogAltKeysTest, AMnemonicStillActsAndAltGrStillTypes) {
    onQtHost();
    QString beforeSave;
    const bool driven = drivenIn<QFileDialog>([] { frmMenu().mnuFileSave_Click(); }, [&](QFileDialog& d) {
        auto* box = d.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        typeText("ab");
        altWith("qfe");
        qvtest::pressKey(keyTarget(), Qt::Key_At, Qt::GroupSwitchModifier, "@");
        settle();
        typeText("c");
        beforeSave = box->text();
        altWith("s");
        // A button pressed by its mnemonic shows itself down a moment before it acts.
        EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); }, 2000)) << "Alt+S saved nothing";
    });
    EXPECT_TRUE(driven);
    EXPECT_EQ(beforeSave.toStdString(), "ab@c");
    EXPECT_TRUE(fs::exists(dir / "ab@c.LPM"));
    EXPECT_FALSE(fs::exists(dir / "abqfe@c.LPM"));
}

}  // namespace
