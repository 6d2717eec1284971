// The Open and Save dialogs show every detail column whole: Qt sizes Size, Type and
// Date Modified for short samples and would cut "123 bytes" or "plain text document".
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

#include <fstream>
#include <functional>
#include <string>

#include "platform/ui/QtHost.h"
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

}  // namespace
