#include "desktop/history_box.hpp"

#include "desktop/fonts.hpp"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace desktop {

namespace {
constexpr int kTextPixels = 14;
}  // namespace

QString historyHtml(const std::deque<std::string>& lines, const ui::Catalogue& catalogue) {
    if (lines.empty())
        return QStringLiteral("<p><i>%1</i></p>").arg(QString::fromStdString(catalogue.translate(kHistoryEmpty)));
    QString html;
    for (const std::string& line : lines) {
        QString text = QString::fromStdString(catalogue.translate(line));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        // "Speaker:text", the speaker perhaps with a manner in parentheses.
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        if (colon > 0)
            html += QStringLiteral("<p><b>%1:</b> %2</p>")
                        .arg(text.left(colon).toHtmlEscaped(), text.mid(colon + 1).toHtmlEscaped());
        else
            html += QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
    }
    return html;
}

HistoryBox::HistoryBox(const std::deque<std::string>& lines, const ui::Catalogue& catalogue, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(catalogue.translate(kHistoryCaption)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextBrowser(this);
    text_->setFont(gameFont(kTextPixels));
    text_->setHtml(historyHtml(lines, catalogue));
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QString::fromStdString(catalogue.translate(kCloseButton)), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 420);
}

void HistoryBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The newest line is the one the player looks for.
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

}  // namespace desktop
