#include "platform/ui/QtHost.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>

#include "platform/ui/Form.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {

QWidget* activeParent() {
    for (Form* f : forms::loaded())
        if (f->kind() == FormKind::Main) return f->window();
    return QApplication::activeWindow();
}

// Prints line by line with a fixed-pitch face; pages break where the report says
// and wherever the page is full.
class QtPrinter : public Printer {
public:
    QPrinter printer{QPrinter::HighResolution};
    void text(const std::string& piece) override { current_ += piece; }
    void endLine() override {
        begin();
        if (y_ + lineHeight_ > bottom_) nextPage();
        painter_.drawText(QPointF(0, y_ + ascent_), qs(current_));
        y_ += lineHeight_;
        current_.clear();
    }
    void newPage() override {
        if (!current_.empty()) endLine();
        begin();
        nextPage();
    }
    void EndDoc() override {
        if (!current_.empty()) endLine();
        if (painter_.isActive()) painter_.end();
        started_ = false;
    }

private:
    void begin() {
        if (started_) return;
        started_ = true;
        painter_.begin(&printer);
        QFont f = toQFont(FontName, FontSize, false);
        painter_.setFont(f);
        QFontMetricsF m(f, &printer);
        lineHeight_ = m.lineSpacing();
        ascent_ = m.ascent();
        bottom_ = printer.pageRect(QPrinter::DevicePixel).height();
        y_ = 0;
    }
    void nextPage() {
        printer.newPage();
        y_ = 0;
    }
    QPainter painter_;
    std::string current_;
    bool started_ = false;
    double y_ = 0, lineHeight_ = 12, ascent_ = 10, bottom_ = 1000;
};

class QtHost : public Host {
public:
    int messageBox(const std::string& text, int style, const std::string& title) override {
        QMessageBox box(activeParent());
        box.setWindowTitle(qs(title.empty() ? std::string("The Quorvane") : title));
        box.setText(qs(text));
        switch (style & 0x70) {
            case vbCritical: box.setIcon(QMessageBox::Critical); break;
            case vbQuestion: box.setIcon(QMessageBox::Question); break;
            case vbExclamation: box.setIcon(QMessageBox::Warning); break;
            case vbInformation: box.setIcon(QMessageBox::Information); break;
            default: break;
        }
        switch (style & 0x7) {
            case vbOKCancel:
                box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
                box.setEscapeButton(QMessageBox::Cancel);
                break;
            case vbYesNo:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                box.setEscapeButton(QMessageBox::No);
                break;
            default:
                box.setStandardButtons(QMessageBox::Ok);
                break;
        }
        int r = box.exec();
        switch (r) {
            case QMessageBox::Ok: return vbOK;
            case QMessageBox::Yes: return vbYes;
            case QMessageBox::No: return vbNo;
            case QMessageBox::Cancel: return vbCancel;
            default: return (style & 0x7) == vbYesNo ? vbNo : (style & 0x7) == vbOKCancel ? vbCancel : vbOK;
        }
    }

    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        bool ok = false;
        QString t = QInputDialog::getText(activeParent(), qs(title.empty() ? std::string("The Quorvane") : title),
                                          qs(prompt), QLineEdit::Normal, qs(defaultText), &ok);
        return ok ? ss(t) : std::string();
    }

    std::optional<std::string> fileDialog(const FileDialogRequest& r) override {
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
        QFileDialog d(activeParent(), qs(r.title), qs(r.initDir));
        d.setNameFilters(filters);
        d.setOption(QFileDialog::DontUseNativeDialog, false);
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

std::unique_ptr<Printer> makePdfPrinter(const std::string& path) {
    auto p = std::make_unique<QtPrinter>();
    p->printer.setOutputFormat(QPrinter::PdfFormat);
    p->printer.setOutputFileName(qs(path));
    return p;
}

}  // namespace pf
