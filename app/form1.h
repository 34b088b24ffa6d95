#pragma once

#include "convert/number_format.h"

#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The calculator window: three columns of fields over the background picture. It only reads
// field texts, calls a calculator, writes the result and shows the boxes.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(convert::NumberFormat format, QWidget* parent = nullptr);

    // Text boxes by their number, Text1 to Text12.
    [[nodiscard]] QLineEdit* text(int number) const;

private:
    void buildControls();
    void setFocusOrder();
    [[nodiscard]] QPushButton* button(const char* name) const;
    void command1Click();
    void command2Click();
    void command3Click();

    // Runs one calculator and writes its result, if it gives one, into the output field as the
    // last step; on a failure the output field keeps its text and the error box names it.
    void run(QLineEdit* output, std::initializer_list<QLineEdit*> inputs,
             const std::function<std::optional<std::string>()>& calculate);
    [[nodiscard]] std::string read(int number) const;
    [[nodiscard]] QString captionOf(const QLineEdit* field) const;

    convert::NumberFormat format_;
    std::array<QLineEdit*, 13> texts_{};  // index 0 unused, so Text3 is texts_[3]
    std::array<QLabel*, 13> captions_{};  // the field label of each text box
    std::vector<QPushButton*> buttons_;
};
