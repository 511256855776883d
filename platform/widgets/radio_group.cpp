#include "platform/widgets/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget* parent, const std::vector<std::string>& items)
    : QGroupBox(parent), items_(this)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(0);
    for (const std::string& caption : items) {
        auto* item = new QRadioButton(QString::fromStdString(caption), this);
        // One tab stop for the group; the arrow keys move between its items.
        if (items_.buttons().isEmpty()) setFocusProxy(item);
        else item->setFocusPolicy(Qt::ClickFocus);
        items_.addButton(item, static_cast<int>(items_.buttons().size()));
        column->addWidget(item);
    }
}

int TRadioGroup::ItemIndex() const { return items_.checkedId(); }

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* item = items_.button(index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last checked item by itself.
    items_.setExclusive(false);
    for (QAbstractButton* item : items_.buttons()) item->setChecked(false);
    items_.setExclusive(true);
}
