#include "desktop/slot_window.hpp"

#include "checkpoint/position_file.hpp"

#include <QDialogButtonBox>
#include <QImage>
#include <QPixmap>
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

QString slotText(const app::TfrmHlavni::SlotSummary& slot, SlotWindowMode mode) {
    const bool automatic = slot.slot == checkpoint::kAutoSlot;
    QString text = automatic ? QStringLiteral("Automatická pozice") : QStringLiteral("Pozice %1").arg(slot.slot);
    text += QLatin1Char('\n');
    if (!slot.used)
        text += QStringLiteral("prázdná");
    else
        text += QString::fromStdString(slot.place);
    if (!slot.savedAt.empty()) text += QStringLiteral("\nuloženo ") + QString::fromStdString(slot.savedAt);
    if (automatic && mode == SlotWindowMode::Save) text += QStringLiteral("\nukládá se sama, když hra končí");
    return text;
}

SlotWindow::SlotWindow(SlotWindowMode mode, const std::vector<app::TfrmHlavni::SlotSummary>& summaries, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(mode == SlotWindowMode::Save ? kSaveCaption : kLoadCaption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setIconSize(kThumbnail);
    list_->setSpacing(2);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(list_);
    for (const app::TfrmHlavni::SlotSummary& slot : summaries) {
        auto* item = new QListWidgetItem(thumbnailOf(slot.picture), slotText(slot, mode), list_);
        item->setData(kSlotRole, slot.slot);
        // Saving goes into the player's slots only; loading needs a position that can be read.
        const bool usable = mode == SlotWindowMode::Save ? slot.slot != checkpoint::kAutoSlot : slot.readable;
        if (!usable) item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    // The first usable slot is ready for Enter: when saving the first empty one.
    for (int pass = 0; pass < 2 && list_->currentItem() == nullptr; ++pass)
        for (int row = 0; row < list_->count(); ++row) {
            QListWidgetItem* item = list_->item(row);
            const bool empty = summaries[static_cast<std::size_t>(row)].used == false;
            if ((item->flags() & Qt::ItemIsEnabled) && (pass == 1 || mode == SlotWindowMode::Load || empty)) {
                list_->setCurrentItem(item);
                break;
            }
        }

    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(QString::fromUtf8(mode == SlotWindowMode::Save ? "Uložit" : "Nahrát"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Zrušit"), QDialogButtonBox::RejectRole);
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
