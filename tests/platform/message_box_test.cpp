// The program's message boxes and input boxes, as the Qt host shows them: fixed-size
// dialogs over the main window, wide enough for their whole title.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Host.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/frmMenu.h"
#include "tests/ui_test_support.h"

namespace {

struct Seen {
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
    bool dialogType = false;
    bool minMaxHint = true;
    bool transientForMain = false;
    QSize minimum, maximum, size;
};

// Looks at the dialog the host shows once it is up, then closes it as Cancel does.
void closeNextDialog(Seen& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        // What the dialog does once up (a layout request sizes a message box again).
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
        seen.shown = d->isVisible();
        seen.title = d->windowTitle();
        if (auto* m = qobject_cast<QMessageBox*>(d)) {
            seen.text = m->text();
            for (QAbstractButton* b : m->buttons()) seen.buttons << b->text();
        } else if (auto* i = qobject_cast<QInputDialog*>(d)) {
            seen.text = i->labelText();
            for (QPushButton* b : i->findChildren<QPushButton*>()) seen.buttons << b->text();
        }
        const Qt::WindowFlags f = d->windowFlags();
        seen.dialogType = (f & Qt::WindowType_Mask) == Qt::Dialog;
        seen.minMaxHint = f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
        seen.transientForMain = d->windowHandle() && d->windowHandle()->transientParent() == frmMenu().window()->windowHandle();
        seen.minimum = d->minimumSize();
        seen.maximum = d->maximumSize();
        seen.size = d->size();
        d->reject();
    });
}

class MessageBoxTest : public qvtest::QtHostTest {
protected:
    static int titleRule(const std::string& title) {
        return QFontMetrics(QApplication::font()).horizontalAdvance(QString::fromStdString(title)) + 120;
    }
};

TEST_F(MessageBoxTest, BoxesAreFixedDialogsOverTheMainWindowWideEnoughForTheirTitle) {
    struct Case {
        const char* what;
        bool input;
        std::string title, text;
    };
    const std::string longTitle = "A Title Much Longer Than The Short Message Under It In The Box";
    const Case cases[] = {
        {"message, short title", false, "Data Input Error", "Relation Not Entered."},
        {"message, long title", false, longTitle, "OK?"},
        {"input, short title", true, "Add Constraints", "Number?"},
        {"input, long title", true, longTitle, "N:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Seen seen;
        closeNextDialog(seen);
        if (c.input) EXPECT_EQ(pf::InputBox(c.text, c.title, "7"), "");
        else EXPECT_EQ(pf::MsgBox(c.text, pf::vbCritical + pf::vbOKOnly, c.title), pf::vbOK);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.title.toStdString(), c.title);
        EXPECT_EQ(seen.text.toStdString(), c.text);
        EXPECT_EQ(seen.buttons, c.input ? QStringList({"OK", "Cancel"}) : QStringList({"OK"}));
        EXPECT_TRUE(seen.dialogType);
        EXPECT_FALSE(seen.minMaxHint);
        EXPECT_TRUE(seen.transientForMain);
        EXPECT_EQ(seen.minimum, seen.maximum);
        EXPECT_EQ(seen.size, seen.minimum);
        EXPECT_GE(seen.size.width(), titleRule(c.title));
    }
}

// The style's default-button bits pick the button Enter presses, counted in the order the
// buttons are named; one beyond the last leaves the first.
TEST_F(MessageBoxTest, EnterPressesTheDefaultButtonTheStyleNames) {
    struct Case {
        const char* what;
        int style;
        int answer;
    };
    const Case cases[] = {
        {"Yes/No", pf::vbYesNo, pf::vbYes},
        {"Yes/No, second", pf::vbYesNo + pf::vbDefaultButton2, pf::vbNo},
        {"Yes/No, third", pf::vbYesNo + pf::vbDefaultButton3, pf::vbYes},
        {"OK/Cancel", pf::vbOKCancel, pf::vbOK},
        {"OK/Cancel, second", pf::vbOKCancel + pf::vbDefaultButton2, pf::vbCancel},
        {"OK, second", pf::vbOKOnly + pf::vbDefaultButton2, pf::vbOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool pressed = false;
        QTimer::singleShot(0, [&pressed] {
            QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            QElapsedTimer t;
            t.start();
            while (!box->isAncestorOf(QApplication::focusWidget()) && t.elapsed() < 5000)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
            if (!box->isAncestorOf(QApplication::focusWidget())) return;
            pressed = true;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (box && box->isVisible()) box->reject();
        });
        const int answer = pf::MsgBox("Go on?", c.style + pf::vbQuestion, "Question");
        ASSERT_TRUE(pressed) << "the keyboard never reached the box";
        EXPECT_EQ(answer, c.answer);
    }
}

}  // namespace
