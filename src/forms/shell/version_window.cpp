#include "forms/shell/version_window.h"

#include "forms/base/toolbar_icons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace akuenza {

namespace {
constexpr int kIconSize = 48;
}

Form10::Form10(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(programIcon().pixmap(kIconSize, kIconSize));
    Image1->setFixedSize(kIconSize, kIconSize);

    Label1 = new QLabel(kVersionCaption, this);
    Label1->setObjectName(QStringLiteral("Label1"));

    cmdOK = new QPushButton(QStringLiteral("ＯＫ"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(80);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(14);
    layout->addWidget(Image1, 0, 0, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(cmdOK, 1, 0, 1, 2, Qt::AlignRight);
    // The window keeps the size its contents need and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace akuenza
