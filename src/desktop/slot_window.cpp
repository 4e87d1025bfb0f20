#include "desktop/slot_window.hpp"

#include "desktop/desktop_texts.hpp"

#include <QDialogButtonBox>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QVBoxLayout>

namespace desktop {

namespace {

constexpr QSize kThumbnail{160, 120};  // the scene at a fifth of its size
constexpr int kSlotRole = Qt::UserRole;

// The scene's picture made small; a missing one shows as a dark frame.
QIcon thumbnailOf(const std::string& picture) {
    QImage image;
    if (!picture.empty()) image.load(QString::fromStdString(picture));
    QPixmap pixmap(kThumbnail);
    if (image.isNull())
        pixmap.fill(QColor(40, 40, 40));
    else
        pixmap = QPixmap::fromImage(image.scaled(kThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Disabled);  // an unusable slot keeps its picture, not a grey one
    return icon;
}

}  // namespace

QString slotText(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode, const ui::Catalogue& catalogue) {
    QStringList lines;
    for (const std::string& line : slotLines(slot, mode, catalogue)) lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

SlotWindow::SlotWindow(SlotWindowMode mode, const std::vector<app::TfrmHlavni::SlotSummary>& summaries,
                       const ui::Catalogue& catalogue, QWidget* parent)
    : QDialog(parent) {
    const auto tr = [&](const char* source) { return QString::fromStdString(catalogue.translate(source)); };
    setWindowTitle(tr(slotWindowCaption(mode)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setIconSize(kThumbnail);
    list_->setSpacing(2);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(list_);
    for (const app::TfrmHlavni::SlotSummary& slot : summaries) {
        auto* item = new QListWidgetItem(thumbnailOf(slot.picture), slotText(slot, mode, catalogue), list_);
        item->setData(kSlotRole, slot.slot);
        if (!slotUsable(slot, mode)) item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    if (const std::optional<std::size_t> row = preselectedSlot(summaries, mode)) list_->setCurrentRow(static_cast<int>(*row));

    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(tr(slotChooseCaption(mode)), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr(kCancelButton), QDialogButtonBox::RejectRole);
    choose_->setDefault(true);
    choose_->setEnabled(list_->currentItem() != nullptr);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { choose(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] { choose(); });
    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { choose_->setEnabled(current != nullptr); });
    resize(460, 640);
}

void SlotWindow::choose() {
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !(item->flags() & Qt::ItemIsEnabled)) return;
    chosen_ = item->data(kSlotRole).toInt();
    accept();
}

}  // namespace desktop
