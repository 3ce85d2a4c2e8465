#pragma once
// The version window: the program's icon, its name and version, and ＯＫ.

#include <QDialog>

class QLabel;
class QPushButton;

namespace akuenza {

class Form10 : public QDialog {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace akuenza
