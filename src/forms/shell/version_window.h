#pragma once
// The version window: the program's icon, its name and version, and ＯＫ.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace akuenza {

// The program's name and version as the version window shows them (two
// blanks before "Version"); `akuenza --version` prints the same.
inline const QString kVersionCaption = QStringLiteral("アクエンザ  Version 1.16");

class Form10 : public QDialog {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace akuenza
