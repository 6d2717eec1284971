// The Open and Save dialogs show every detail column whole: Qt sizes Size, Type and
// Date Modified for short samples and would cut "123 bytes" or "plain text document".
// Saving over an existing file asks first, in the program's own message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/frmMenu.h"
#include "tests/ui_test_support.h"

namespace {

void waitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

TEST(FileDialog, DetailColumnsShowTheirTextsWhole) {
    namespace fs = std::filesystem;
    const fs::path dir = qvtest::emptyTestDir("qv_filedialog_");
    std::ofstream(dir / "short.LPM") << std::string(123, 'x');
    std::ofstream(dir / "notes.txt") << "plain text\n";
    std::ofstream(dir / "report.OUT") << std::string(5000, 'y');
    fs::create_directory(dir / "Problems");
    for (pf::FileDialogRequest::Kind kind : {pf::FileDialogRequest::Open, pf::FileDialogRequest::Save}) {
        SCOPED_TRACE(kind == pf::FileDialogRequest::Open ? "open" : "save");
        pf::FileDialogRequest r;
        r.kind = kind;
        r.title = "Select a Previously Saved Problem";
        r.filter = "All Files (*.*)|*.*";
        r.initDir = dir.string();
        QFileDialog d;
        pf::prepareFileDialog(d, r);
        d.show();
        auto* view = d.findChild<QTreeView*>("treeView");
        ASSERT_NE(view, nullptr);
        auto* model = d.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = view->rootIndex();
        waitFor([&] { return view->model()->rowCount(root) >= 4; });
        ASSERT_GE(view->model()->rowCount(root), 4);
        QHeaderView* header = view->header();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            for (int c = 1; c <= 3; ++c) {
                const QModelIndex i = view->model()->index(row, c, root);
                EXPECT_LE(view->sizeHintForIndex(i).width(), header->sectionSize(c))
                    << view->model()->data(i).toString().toStdString();
            }
        // All columns in view at once: nothing to scroll sideways.
        EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
        d.hide();
    }
    fs::remove_all(dir);
}

// Saving over a file that exists asks first, in the program's own message box: wide
// enough for its title, No the default, and No leaves the dialog open with the name.
struct Question {
    int count = 0;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    int width = 0;
    bool overFileDialog = false;
};

// Answers each message box that comes up while it lives, recording what it asked.
class BoxAnswerer {
public:
    explicit BoxAnswerer(Question& seen, std::function<void(QMessageBox&)> answer)
        : seen_(seen), answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(10);
    }

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        // What the box does once up (a layout request sizes it again).
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
        ++seen_.count;
        seen_.title = box->windowTitle();
        seen_.text = box->text();
        seen_.icon = box->icon();
        seen_.buttons.clear();
        for (QAbstractButton* b : box->buttons()) seen_.buttons << b->text().remove('&');
        if (QPushButton* b = box->defaultButton()) seen_.defaultButton = b->text().remove('&');
        seen_.width = box->width();
        seen_.overFileDialog = qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr;
        answer_(*box);
    }
    Question& seen_;
    std::function<void(QMessageBox&)> answer_;
    QTimer timer_;
};

// Enter where the keyboard is: on the box's focused button.
void pressEnterInBox(QMessageBox& box) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_TRUE(w && box.isAncestorOf(w)) << "the keyboard is not in the box";
    QTest::keyClick(w, Qt::Key_Return);
}

void clickYes(QMessageBox& box) {
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    ASSERT_NE(yes, nullptr);
    QTest::mouseClick(yes, Qt::LeftButton);
}

class ReplaceQuestionTest : public qvtest::QtHostTest {
protected:
    void SetUp() override {
        qvtest::QtHostTest::SetUp();
        dir = qvtest::emptyTestDir("qv_replace_");
        std::ofstream(dir / "wyndor.LPM") << "kept\n";
        std::ofstream(dir / "report.OUT") << "kept\n";
    }
    void TearDown() override {
        qvtest::QtHostTest::TearDown();
        std::filesystem::remove_all(dir);
    }

    pf::FileDialogRequest saveRequest(const std::string& title = "Save the Current Problem",
                                      const std::string& ext = "LPM") const {
        pf::FileDialogRequest r;
        r.kind = pf::FileDialogRequest::Save;
        r.title = title;
        r.defaultExt = ext;
        r.filter = ext + " File|*." + ext + "|All Files (*.*)|*.*";
        r.flags = 0x806;
        r.initDir = dir.string();
        return r;
    }

    // Shows the host's file dialog and runs `drive` in it once it is up; a dialog still
    // open afterwards is cancelled.
    static std::optional<std::string> chooseWith(const pf::FileDialogRequest& r,
                                               const std::function<void(QFileDialog&)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            QPointer<QFileDialog> d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            driven = true;
            drive(*d);
            if (d && d->isVisible()) d->reject();
        });
        auto chosen = pf::host().fileDialog(r);
        EXPECT_TRUE(driven) << "no file dialog came up";
        return chosen;
    }

    // Types a name over whatever the name field holds and presses Enter there.
    static void enterName(QFileDialog& d, const QString& name) {
        // Keys go where the window system sends them: wait until the dialog has them. A
        // window manager activates it again when a box over it closes; offscreen has none.
        if (!d.isActiveWindow()) d.activateWindow();
        waitFor([&] { return d.isActiveWindow() && d.isAncestorOf(QApplication::focusWidget()); });
        QWidget* field = QApplication::focusWidget();
        ASSERT_NE(field, nullptr);
        ASSERT_EQ(field, d.findChild<QLineEdit*>("fileNameEdit"));
        if (!name.isEmpty()) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, name);
        }
        QTest::keyClick(field, Qt::Key_Return);
    }

    static QString nameField(QFileDialog& d) { return d.findChild<QLineEdit*>("fileNameEdit")->text(); }

    static int titleRule(const QString& title) {
        return QFontMetrics(QApplication::font()).horizontalAdvance(title) + 120;
    }

    std::string contentOf(const std::string& name) const {
        std::ifstream in(dir / name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir;
};

TEST_F(ReplaceQuestionTest, AnExistingNameAsksAndOnlyYesTakesIt) {
    struct Case {
        const char* what;
        std::string proposed;  // the name the dialog opens with
        QString typed;         // empty: Enter on the proposed name
    };
    const Case cases[] = {
        {"typed without extension", "", "wyndor"},
        {"typed with extension", "", "wyndor.LPM"},
        {"proposed full path", (dir / "wyndor.LPM").string(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pf::FileDialogRequest r = saveRequest();
        r.fileName = c.proposed;
        Question afterNo, afterYes;
        bool openAfterNo = false;
        QString nameAfterNo;
        auto chosen = chooseWith(r, [&](QFileDialog& d) {
            {
                // No is the default: Enter answers it.
                BoxAnswerer no(afterNo, pressEnterInBox);
                enterName(d, c.typed);
            }
            openAfterNo = d.isVisible() && QApplication::activeModalWidget() == &d;
            nameAfterNo = nameField(d);
            BoxAnswerer yes(afterYes, clickYes);
            enterName(d, "");
        });
        EXPECT_EQ(afterNo.count, 1);
        EXPECT_EQ(afterNo.title, "Save the Current Problem");
        EXPECT_EQ(afterNo.text, "wyndor.LPM already exists.\nDo you want to replace it?");
        EXPECT_EQ(afterNo.icon, QMessageBox::Warning);
        EXPECT_EQ(afterNo.buttons.size(), 2);
        EXPECT_TRUE(afterNo.buttons.contains("Yes") && afterNo.buttons.contains("No")) << afterNo.buttons.join(",").toStdString();
        EXPECT_EQ(afterNo.defaultButton, "No");
        EXPECT_TRUE(afterNo.overFileDialog);
        EXPECT_TRUE(openAfterNo);
        EXPECT_EQ(nameAfterNo, c.typed.isEmpty() ? QString("wyndor.LPM") : c.typed);
        EXPECT_EQ(afterYes.count, 1);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(std::filesystem::path(*chosen), dir / "wyndor.LPM");
        EXPECT_EQ(contentOf("wyndor.LPM"), "kept\n");
    }
}

TEST_F(ReplaceQuestionTest, ANewNameOrAnOpenAsksNothing) {
    struct Case {
        pf::FileDialogRequest::Kind kind;
        QString typed, chosen;
    };
    const Case cases[] = {
        {pf::FileDialogRequest::Save, "fresh", "fresh.LPM"},
        {pf::FileDialogRequest::Save, "fresh.LPM", "fresh.LPM"},
        {pf::FileDialogRequest::Save, "wyndor.OUT", "wyndor.OUT"},
        {pf::FileDialogRequest::Open, "wyndor.LPM", "wyndor.LPM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        pf::FileDialogRequest r = saveRequest();
        r.kind = c.kind;
        if (c.kind == pf::FileDialogRequest::Open) r.flags = 0x1804;
        Question seen;
        BoxAnswerer any(seen, pressEnterInBox);
        auto chosen = chooseWith(r, [&](QFileDialog& d) { enterName(d, c.typed); });
        EXPECT_EQ(seen.count, 0);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(std::filesystem::path(*chosen), dir / c.chosen.toStdString());
    }
}

TEST_F(ReplaceQuestionTest, TheQuestionIsWideEnoughForTheDialogsTitle) {
    struct Case {
        std::string title, ext, existing;
    };
    const Case cases[] = {
        {"Save the Current Problem", "LPM", "wyndor"},
        {"Print Current Problem to TEXT File", "OUT", "report"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        Question seen;
        auto chosen = chooseWith(saveRequest(c.title, c.ext), [&](QFileDialog& d) {
            BoxAnswerer no(seen, pressEnterInBox);
            enterName(d, QString::fromStdString(c.existing));
        });
        EXPECT_FALSE(chosen.has_value());
        ASSERT_EQ(seen.count, 1);
        EXPECT_EQ(seen.title.toStdString(), c.title);
        EXPECT_GE(seen.width, titleRule(seen.title));
    }
}

}  // namespace
