// A frame of radio buttons in one column, without a caption. ItemIndex is the selected item,
// counted from 0, or -1 when none is selected.
#pragma once

#include <string>
#include <vector>

#include <QButtonGroup>
#include <QGroupBox>

class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(QWidget* parent, const std::vector<std::string>& items);

    int ItemIndex() const;
    void SetItemIndex(int index);

private:
    QButtonGroup items_;
};
