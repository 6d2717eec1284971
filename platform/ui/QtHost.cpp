#include "platform/ui/QtHost.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/PageLayout.h"

#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {

QWidget* activeParent() {
    for (Form* f : forms::loaded())
        if (f->kind() == FormKind::Main) return f->window();
    return QApplication::activeWindow();
}

// Collects the report and lays it out when the document ends: the margins and the face
// size depend on the report's longest line, which is known only then.
class QtPrinter : public Printer {
public:
    QPrinter printer{QPrinter::HighResolution};
    void text(const std::string& piece) override { report_.text(piece); }
    void endLine() override { report_.endLine(); }
    void newPage() override { report_.newPage(); }
    void EndDoc() override {
        report_.finish();
        const auto sheets = sheetsOf(report_.pages());
        report_ = RecordingReportSink();
        if (!sheets.empty()) paint(sheets);
    }

private:
    void paint(const std::vector<std::vector<std::string>>& sheets) {
        // Our own margins are measured from the paper's edge.
        printer.setFullPage(true);
        QPageLayout page = printer.pageLayout();
        page.setUnits(QPageLayout::Point);
        const QRectF full = page.fullRectPoints();
        const QMarginsF device = page.minimumMargins();
        PaperGeometry paper{full.width(), full.height(), device.left(), device.top(), device.right(),
                            device.bottom()};
        const double pxPerPt = printer.resolution() / 72.0;
        QFont font = toQFont(FontName, FontSize, false);
        auto widest = [&](const QFont& f) {
            QFontMetricsF m(f, &printer);
            double w = 0;
            for (const auto& lines : sheets)
                for (const auto& l : lines) {
                    const std::size_t end = l.find_last_not_of(' ');
                    if (end != std::string::npos) w = std::max(w, m.horizontalAdvance(qs(l.substr(0, end + 1))));
                }
            return w / pxPerPt;
        };
        const double longest = widest(font);
        const double spacing = QFontMetricsF(font, &printer).lineSpacing() / pxPerPt;
        PrintLayout layout = layoutPrintedReport(paper, longest, spacing);
        if (layout.fontScale < 1) {
            // Rendered widths do not shrink exactly with the size: find the largest size
            // whose widest line fits.
            const double room = paper.width - layout.left - std::max(kLeastMargin, paper.deviceRight);
            auto fits = [&](double size) {
                font.setPointSizeF(size);
                return widest(font) <= room;
            };
            double lo = FontSize * layout.fontScale, hi = std::min(FontSize, lo * 1.05);
            while (!fits(lo) && lo > 1) lo *= 0.95;
            for (int k = 0; k < 16; ++k) {
                const double mid = (lo + hi) / 2;
                (fits(mid) ? lo : hi) = mid;
            }
            font.setPointSizeF(lo);
            layout = layoutPrintedReport(paper, widest(font), QFontMetricsF(font, &printer).lineSpacing() / pxPerPt);
        }
        QFontMetricsF m(font, &printer);
        QPainter painter;
        if (!painter.begin(&printer)) throw RuntimeError(errPrinter);
        painter.setFont(font);
        const double x = layout.left * pxPerPt;
        bool first = true;
        for (const auto& lines : sheets) {
            int onSheet = layout.linesPerPage;  // forces the sheet break below
            for (const auto& l : lines) {
                if (onSheet == layout.linesPerPage) {
                    if (!first) printer.newPage();
                    first = false;
                    onSheet = 0;
                }
                painter.drawText(QPointF(x, layout.top * pxPerPt + onSheet * m.lineSpacing() + m.ascent()), qs(l));
                ++onSheet;
            }
        }
        painter.end();
    }
    RecordingReportSink report_;
};

// Widens the Size, Type and Date Modified columns to their texts (Qt sizes them for
// short samples and cuts the rest, "123...tes") and the dialog so that they show.
void fitDetailColumns(QFileDialog& d) {
    auto* view = d.findChild<QTreeView*>("treeView");
    if (!view) return;
    QHeaderView* header = view->header();
    for (int c = 1; c < header->count(); ++c) {
        const int before = header->sectionSize(c);
        view->resizeColumnToContents(c);
        if (header->sectionSize(c) < before) header->resizeSection(c, before);
    }
    const int needed = header->length() + 2 * view->frameWidth() +
                       view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    const int extra = needed - view->width();
    if (extra <= 0) return;
    int width = d.width() + extra;
    if (QScreen* screen = d.screen()) width = std::min(width, screen->availableGeometry().width());
    d.resize(width, d.height());
}

}  // namespace

void prepareFileDialog(QFileDialog& d, const FileDialogRequest& r) {
    // "desc|pattern|desc|pattern" becomes Qt's "desc (pattern);;desc (pattern)".
    QStringList parts = qs(r.filter).split('|');
    QStringList filters;
    // Patterns match regardless of case, as on the design's platform.
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList pats;
        for (const QString& p : parts[i + 1].split(';'))
            pats << qs(caseInsensitivePattern(ss(p.trimmed())));
        filters << parts[i] + " (" + pats.join(' ') + ")";
    }
    d.setWindowTitle(qs(r.title));
    d.setDirectory(qs(r.initDir));
    d.setNameFilters(filters);
    // Shows "LPM File", not the either-case pattern behind it.
    d.setOption(QFileDialog::HideNameFilterDetails, true);
    if (!r.defaultExt.empty()) d.setDefaultSuffix(qs(r.defaultExt));
    if (r.kind == FileDialogRequest::Open) {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
    } else {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
    }
    if (!r.fileName.empty()) d.selectFile(qs(r.fileName));
    // The directory loads in the background: fit the columns when it is there, and
    // again for each folder the user opens.
    if (auto* model = d.findChild<QFileSystemModel*>())
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &d, [&d] { fitDetailColumns(d); });
    if (!d.testAttribute(Qt::WA_Resized)) d.resize(d.sizeHint());
    if (QLayout* l = d.layout()) l->activate();
    fitDetailColumns(d);
}

namespace {

QString titleOrProgramName(const std::string& title) {
    return qs(title.empty() ? std::string("The Quorvane") : title);
}

// A window manager draws the title beside its own icon and buttons, often in bold: a
// box is at least this wide.
int titleRoom(const QDialog& d) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    int need = QFontMetrics(bold).horizontalAdvance(d.windowTitle()) + 120;
    if (QScreen* screen = d.screen()) need = std::min(need, screen->availableGeometry().width());
    return need;
}

// Fixes an input box's size, wide enough for the whole title.
void fixToTitle(QDialog& d) { d.setFixedSize(std::max(d.width(), titleRoom(d)), d.height()); }

// Qt sizes a message box itself whenever it shows or its contents change, to the
// minimum of its layout: the button row, which spans the box, asks for the title's room.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
protected:
    void showEvent(QShowEvent* e) override {
        if (auto* buttons = findChild<QDialogButtonBox*>()) {
            const QMargins m = layout() ? layout()->contentsMargins() : QMargins();
            buttons->setMinimumWidth(titleRoom(*this) - m.left() - m.right());
        }
        QMessageBox::showEvent(e);
    }
};

class InputBox : public QInputDialog {
public:
    explicit InputBox(QWidget* parent)
        : QInputDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint) {}
protected:
    void showEvent(QShowEvent* e) override {
        QInputDialog::showEvent(e);
        // Its layout would set a minimum and maximum of its own again.
        if (QLayout* l = layout()) l->setSizeConstraint(QLayout::SetNoConstraint);
        fixToTitle(*this);
    }
};

// The program's message box over `parent`. The style's buttons are ordered as they are
// named (Yes before No), and its default-button bits pick among them in that order.
int showMessageBox(QWidget* parent, const std::string& text, int style, const std::string& title) {
    MessageBox box(parent);
    box.setWindowTitle(titleOrProgramName(title));
    box.setText(qs(text));
    switch (style & 0x70) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    std::vector<QMessageBox::StandardButton> buttons;
    switch (style & 0x7) {
        case vbOKCancel:
            buttons = {QMessageBox::Ok, QMessageBox::Cancel};
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case vbYesNo:
            buttons = {QMessageBox::Yes, QMessageBox::No};
            box.setEscapeButton(QMessageBox::No);
            break;
        default:
            buttons = {QMessageBox::Ok};
            break;
    }
    QMessageBox::StandardButtons all;
    for (QMessageBox::StandardButton b : buttons) all |= b;
    box.setStandardButtons(all);
    // A default beyond the last button falls back to the first.
    const std::size_t pick = (style >> 8) & 0x3;
    box.setDefaultButton(buttons[pick < buttons.size() ? pick : 0]);
    int r = box.exec();
    switch (r) {
        case QMessageBox::Ok: return vbOK;
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        case QMessageBox::Cancel: return vbCancel;
        default: return (style & 0x7) == vbYesNo ? vbNo : (style & 0x7) == vbOKCancel ? vbCancel : vbOK;
    }
}

// A save that asks before replacing a file uses Qt's own dialog with Qt's question
// turned off: the question is asked in the program's message box, whose width fits the
// dialog's title. (A native dialog would ask in its own way.)
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const FileDialogRequest& r)
        : QFileDialog(parent), ask_(r.kind == FileDialogRequest::Save && (r.flags & cdlOFNOverwritePrompt)) {
        if (ask_) {
            setOption(QFileDialog::DontUseNativeDialog, true);
            setOption(QFileDialog::DontConfirmOverwrite, true);
        }
        prepareFileDialog(*this, r);
    }

protected:
    void accept() override {
        // The path Qt itself would take: the default extension is applied already.
        const QStringList files = selectedFiles();
        if (ask_ && !files.isEmpty()) {
            const QFileInfo info(files.first());
            if (info.exists() && !info.isDir()) {
                const std::string text = ss(info.fileName()) + " already exists.\nDo you want to replace it?";
                // No keeps the dialog open with the name as typed.
                if (showMessageBox(this, text, vbYesNo + vbExclamation + vbDefaultButton2, ss(windowTitle())) != vbYes)
                    return;
            }
        }
        QFileDialog::accept();
    }

private:
    const bool ask_;
};

class QtHost : public Host {
public:
    int messageBox(const std::string& text, int style, const std::string& title) override {
        return showMessageBox(activeParent(), text, style, title);
    }

    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        InputBox box(activeParent());
        box.setWindowTitle(titleOrProgramName(title));
        box.setLabelText(qs(prompt));
        box.setTextValue(qs(defaultText));
        return box.exec() == QDialog::Accepted ? ss(box.textValue()) : std::string();
    }

    std::optional<std::string> fileDialog(const FileDialogRequest& r) override {
        FileDialog d(activeParent(), r);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
        return ss(d.selectedFiles().first());
    }

    bool printerDialog() override {
        QPrintDialog d(&printer_.printer, activeParent());
        return d.exec() == QDialog::Accepted;
    }

    Printer& printer() override { return printer_; }

    void runModal(Form& form) override {
        auto* d = qobject_cast<QDialog*>(form.window());
        if (!d) {
            form.window()->show();
            return;
        }
        QPointer<QDialog> guard(d);
        form.setModalRunning(true);
        d->setModal(true);
        d->exec();
        if (guard) form.setModalRunning(false);
    }

    void beep() override { QApplication::beep(); }

    void setBusyCursor(bool busy) override {
        if (busy == busy_) return;
        busy_ = busy;
        if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    }

    void doEvents() override { QApplication::processEvents(); }

    void endProgram() override {
        // Nothing is asked and nothing is saved; the windows simply go.
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        std::fflush(nullptr);
        std::_Exit(0);
    }

private:
    QtPrinter printer_;
    bool busy_ = false;
};

}  // namespace

std::unique_ptr<Host> makeQtHost() { return std::make_unique<QtHost>(); }

std::unique_ptr<Printer> makePdfPrinter(const std::string& path, PaperSize paper) {
    auto p = std::make_unique<QtPrinter>();
    p->printer.setOutputFormat(QPrinter::PdfFormat);
    p->printer.setOutputFileName(qs(path));
    p->printer.setPageSize(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
    return p;
}

}  // namespace pf
