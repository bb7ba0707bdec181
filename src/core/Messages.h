#pragma once

#include "core/RuntimeError.h"

// Every text the player reads that the code puts up while the game runs, in the order a player
// meets them, so that all of them are read, and their tone checked, in one sitting. A window's
// captions as it is built stay in its design; names, level words and font faces are data where
// they are used. UTF-8; %1 and %2 are filled in where the text is shown (QString::arg). A reason
// that goes in parentheses after what failed ends without "。"; a sentence of its own ends with it.
namespace lumora::messages {

// The level window: its title (the version text, then the level's word), and the caption before
// the next number, which gives way to the round's time at the finish and comes back with Again.
inline constexpr char kLevelTitle[] = "ルモラ＋＋　%1　%2　-by ささらぎ-";
inline constexpr char kNextCaption[] = "次は";
inline constexpr char kTimeCaption[] = "時間";

// A record: the name prompt, why a name is refused (shown above the prompt, which asks again),
// and the record another running copy saved while the name was asked for (its score, its holder).
inline constexpr char kNamePrompt[] = "名前を入力して下さい!";
inline constexpr char kNamePromptTitle[] = "ハイスコア！！";
inline constexpr char kNameHasQuote[] = "名前に \" は使えません。";
inline constexpr char kNameHasLineBreak[] = "名前に改行は使えません。";
inline constexpr char kNameHasControl[] = "名前に制御文字は使えません。";
inline constexpr char kNameTooLong[] = "名前は %1 文字までです。";
inline constexpr char kNameHasUnusableCharacter[] = "「%1」は名前に使えません。";
inline constexpr char kBeatenMeanwhile[] = "その間に、より良い記録が保存されました。\n%1 点　%2";

// The high-score window's Clear.
inline constexpr char kClearQuestion[] = "ハイスコアを消去してよろしいですか？";
inline constexpr char kClearQuestionTitle[] = "確認";

// The high-score file: what could not be done, naming the file, above the step that failed...
inline constexpr char kLoadFailed[] = "ハイスコアを読み込めませんでした。\nファイル: %1\n%2";
inline constexpr char kSaveFailed[] = "ハイスコアを保存できませんでした。\nファイル: %1\n%2";
// ...the step, with its reason, and the new file a failed save could not remove, on a line of its
// own below...
inline constexpr char kFolderNotMade[] = "フォルダー %1 を作成できません（%2）。";
inline constexpr char kLockNotMade[] = "ロックファイル %1 を作成できません（%2）。";
inline constexpr char kLockHeld[] = "ほかのルモラ＋＋がファイルを使用中です。";
inline constexpr char kFileNotRead[] = "ファイルを読み取れません（%1）。";
inline constexpr char kFileNotMade[] = "ファイルを作成できません（%1）。";
inline constexpr char kFileNotWritten[] = "ファイルに書き込めません（%1）。";
inline constexpr char kNewFileLeft[] = "一時ファイル %1 を削除できません（%2）。";
// ...and the reasons of our own, then those of the system that players meet most; any other is
// given in the system's own words.
inline constexpr char kCutShort[] = "途中までしか書き込めませんでした";
inline constexpr char kFolderInPlace[] = "ファイルの代わりにフォルダーがあります";
inline constexpr char kPipeInPlace[] = "ファイルの代わりに名前付きパイプがあります";
inline constexpr char kSocketInPlace[] = "ファイルの代わりにソケットがあります";
inline constexpr char kDeviceInPlace[] = "ファイルの代わりにデバイスがあります";
inline constexpr char kNotRegularFile[] = "通常のファイルではありません";
inline constexpr char kReadOnlyFile[] = "読み取り専用のファイルです";
inline constexpr char kNameNotWritable[] = "名前に書き込めない文字があるか、名前が長すぎます";
inline constexpr char kMissingFolder[] = "フォルダーが見つかりません";
inline constexpr char kNoPermission[] = "アクセスする権限がありません";
inline constexpr char kDiskFull[] = "ディスクの空き領域が足りません";
inline constexpr char kReadOnlyFileSystem[] = "読み取り専用のファイル システムです";
inline constexpr char kInUse[] = "ほかのプログラムがファイルを使用中です";

// The About window's caption, after the application title; the system-information tool that
// cannot be started; the help that cannot be shown (its file, and Qt's reason).
inline constexpr char kAboutTitleEnd[] = "のﾊﾞｰｼﾞｮﾝ情報";
inline constexpr char kSysInfoUnavailable[] = "現時点ではｼｽﾃﾑ情報を使用できません";
inline constexpr char kHelpNotShown[] = "ヘルプを表示できません。\n%1: %2";

// The report of a run-time error that no handler traps (its number, its description), then each
// error's description, in the English the report has always given.
inline constexpr char kRuntimeErrorReport[] = "実行時エラー '%1':\n\n%2";

constexpr const char *errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorCode::Overflow: return "Overflow";
    case ErrorCode::OutOfMemory: return "Out of memory";
    case ErrorCode::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorCode::DivisionByZero: return "Division by zero";
    case ErrorCode::TypeMismatch: return "Type mismatch";
    case ErrorCode::FileNotFound: return "File not found";
    case ErrorCode::ControlArrayElementMissing: return "Control array element does not exist";
    }
    return "Application-defined or object-defined error";
}

} // namespace lumora::messages
