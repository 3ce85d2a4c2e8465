#pragma once

namespace akuenza {

// Sets up the running application as the program shows itself: its internal
// name, the Fusion style on every desktop, and the window fonts. It sets no
// display name: Qt appends that to the title of every top-level window, and
// the titles are designed exactly ("エラーメッセージ", "確認", "バージョン情報").
// A file that grows beyond the process's file-size limit fails as on a full
// disk, with a message, instead of ending the program mid-write.
// Call once, after the QApplication is made.
void setUpProgram();

// Loads Qt's Japanese translations of its own dialogs and buttons; false
// when they are not installed (Qt then speaks English).
bool installJapaneseTranslations();

} // namespace akuenza
