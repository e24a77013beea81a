#include "teacher/Refarence.h"

#include "core/MkMain.h"

namespace {

// Our own wording: what the results button does, then the general tools.
const char16_t kText[] =
    u"【成績の処理】\n"
    u"１．左上のドライブとフォルダで、児童・生徒の成績（個人履歴ファイル）が"
    u"保存されているネットワークドライブとフォルダを選びます。\n"
    u"２．「マロキー成績処理」をクリックします。\n"
    u"３．選んだフォルダとその下のすべてのフォルダから「*.mkd」ファイルを集め、"
    u"プログラムのフォルダにある「RX_Files」フォルダへ複写します。\n"
    u"４．集めたファイルの横に、一人ごとのCSVファイル（学年・組・番号・全角スペース・名前"
    u"のファイル名）を作ります。表計算ソフトで開くことができます。\n"
    u"　CSVファイルには、各練習の直近100回の得点が入っています。"
    u"その合計が経験値です。\n\n"
    u"【そのほかの機能】\n"
    u"フォルダのファイルを、名前・サイズ・日時の順に「Header」と連番の名前に付け替えます"
    u"（Figuresは連番の桁数）。\n"
    u"「Binary Delete」は、内容がまったく同じファイルのうち、並べた順で最後の一つだけを残します。\n"
    u"「Collect Files」は、下のフォルダすべてから指定した種類のファイルを「RX_Files」へ集めます。\n"
    u"Actionを選び「Start」をクリックすると実行します。";

} // namespace

Refarence::Refarence(MkMain& mk)
    : Window(mk, kName.toString()),
      Label1(makeLabel(u"Label1"_qs, QString::fromUtf16(kText), {240, 240, 7680, 5400}, 10)),
      Close(makeButton(u"Close"_qs, u"閉じる"_qs, {6480, 5760, 1440, 420}, 10)) {
    caption = u"RenomixMKの使い方"_qs;
    geometry = {0, 0, 8160, 6660};
    Label1.wordWrap = true;
    Label1.accessibleName = u"使い方"_qs;
    add(Label1);
    add(Close);
}

void Refarence::Click(Control& c) {
    if (&c == &Close) mk.windows.Unload(name());
}
