#pragma once
// The texts of the main window's status panel "msg", each written once.

#include <QString>

namespace akuenza {

// At start-up and after Close, until a case is open.
inline const QString kStartPrompt =
    QStringLiteral("メニューバーのファイル又はツールバーより、新規作成又は開くを選択してください。");
// While the design conditions are entered.
inline const QString kConditionsHint = QStringLiteral("流出係数（C）、及び 降雨強度（I）は、各地域の基準等による事｡");
// While the weighted runoff coefficient is entered.
inline const QString kRunoffHint = QStringLiteral("流出係数(Ｃ)は、各地域の基準等による事｡");
// While the rainfall intensity is computed.
inline const QString kRainfallHint = QStringLiteral("雨量強度式 及び 到達時間 （ｔ） の計算は、各地域の基準等による事｡");

} // namespace akuenza
