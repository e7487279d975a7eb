#pragma once

#include <QDialog>

class QLabel;

namespace verbalia {

// The about box: created hidden at start, its texts set by the main window's
// start-up sequence.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void setTexts();

    QLabel* Product_Name_Label = nullptr;
};

} // namespace verbalia
