#pragma once

#include "convert/number_format.h"

#include <QLineEdit>
#include <QWidget>

#include <string_view>

// The calculator window: three columns of fields over the background picture. A click only reads
// the fields' texts, asks what the click shows, and writes the figure or opens the box.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(convert::NumberFormat format, QWidget* parent = nullptr);

    // The control of that name in the window's description, as its widget.
    template <typename T = QWidget>
    [[nodiscard]] T* control(std::string_view name) const {
        return findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             Qt::FindDirectChildrenOnly);
    }
    [[nodiscard]] QLineEdit* field(std::string_view name) const { return control<QLineEdit>(name); }

private:
    // The controls in stacking order, their captions, and the focus order.
    void buildControls();
    void click(std::string_view button);

    convert::NumberFormat format_;
};
