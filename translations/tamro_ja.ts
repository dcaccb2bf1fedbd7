<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>ここで選んだフォルダーの中身が隣に表示されます。</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>フォルダー内のファイル</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>プレビューの後、「新しい名前」列に各ファイルの新しい名前が表示されます。</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>ファイルの進行状況</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>コピー中のファイルの進み具合です。</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>ジョブ全体の進み具合です。</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>名前の付け方</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>コピーを書き込むフォルダーです。</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>「番号|タイトル|歌手」の行が並ぶテキストファイルです。</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>「新しい名前」列に新しい名前を表示します。もう一度押すと隠します。</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>ファイルを新しい名前で出力フォルダーにコピーします。</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>直前のジョブで失敗したコピーの数です。</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>「変換」は曲リストから名前を付け、「名前変更」はタイトルとアーティストを入れ替え、「タグ」はファイル自身のタグから名前を付けます。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>新しい名前。{title} や {artist} のように、タグのフィールドを波かっこで囲みます。</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>書式の問題</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>書式でファイルに名前を付けられない場合、その理由。</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>コピーされません</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>コピー後の名前: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>更新日時</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2} はトラック番号を 2 桁にそろえます。かっこの外の文字はそのまま残ります</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>アルバムアーティスト</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>トラック番号</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>ディスク番号</translation>
    </message>
    <message>
        <source>title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>書式が空です。</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>書式に、} で閉じられていない { があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>&quot;%1&quot; はタグのフィールドではありません。フィールドは %2 です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>&quot;%1&quot;: 幅を取れるのは {track} と {disc} だけです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>&quot;%1&quot;: 幅は %2 までの数です ({track:2} のように)。</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>tamro が読める音声ファイルではありません。</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>読み込めません: %1。</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>タグがありません。</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>タグに%1がありません。</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>タグの%1をデコードできません。</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>新しい名前を文字に戻せませんでした。</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>コピー済みです。</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>エラー : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>最後の変換を元に戻す…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>tamro について(&amp;A)...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>tamro に存在しないパスを開くよう指示されました:
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>ジョブの実行中は、ジョブが読むものを変えられません。ジョブが終わってからもう一度ドロップしてください。</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>ここにドロップできるのはこのコンピューターのファイルとフォルダーだけです。次は不可:
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>ドロップされたパスは存在しません:
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>出力フォルダーにはフォルダーを指定してください。次は不可:
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>現在のフォルダー:</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>出力フォルダーがありません。作成しますか?</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>パスを入力してください。</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>出力先のパスを入力してください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>変換</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>名前変更</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
…ほか %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n 件のコピー</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>何も元に戻していません。
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>元に戻せるものはありません。
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1を削除しました。</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>残したもの:</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>次は残ります:</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>元に戻すものはありません。最後の変換ジョブは何もコピーしませんでした。</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>元に戻すものはありません。</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>削除するもの:</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 件のコピー</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>コピー済みのファイルを飛ばす</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>それでもコピーしますか？ 収まらないものは、その順番が来たときに失敗します。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>前回の変換 (%1、%2 へ、%3 作成) を元に戻し、出力フォルダーから %4 を削除しますか?</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>メディアに書き込み中…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro バージョン 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 tamro 開発者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>プレビュー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5: 更新</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>曲の元フォルダー</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>出力フォルダー :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>ファイル :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>全体 :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>曲リスト :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>テキストファイルで名前を付ける</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>元フォルダーに設定(&amp;S)</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>例 )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>タイトル - アーティスト   -&gt;   アーティスト - タイトル</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>アーティスト - タイトル   -&gt;   タイトル - アーティスト</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>出力フォルダーを選ぶ</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>曲リストを選ぶ</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>tamro について</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>曲ファイル変換</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>タグからファイル名を変更</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>書式 :</translation>
    </message>
</context>
<context>
    <name>NamingRule</name>
    <message>
        <source>No line of the song list has its number.</source>
        <translation>曲リストにこの番号の行がありません。</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>名前に入れ替えの目印となるハイフンがありません。</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>タグから新しい名前が得られません。</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>出力フォルダーを使えません。
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro はここに書き込めません: %1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>フォルダーではありません。</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>出力フォルダーを作成できませんでした。
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>コピーするファイルには %1 が必要ですが、%2 の空きは %3 しかありません。</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>コピーする最大のファイルは %1 ですが、%2 のファイルシステムは %3 以上のファイルを保存できません。</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>%n 件のコピーに失敗しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>理由は %1 にあります</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>このジョブのログは不完全です。</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>1 件のコピーに失敗しました。</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>コピーの一部はまだメディアに書き込まれていない可能性があります: %1。メディアを接続したままにし、使う前にコピーを確認してください。</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>別のファイルへのリンクです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>実行中の別の tamro が使っています</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>%1 のログは実行中の別の tamro が使っています。そのジョブが終わるまで待つか、別のフォルダーから tamro を起動してください。</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>%1 を最後まで書き込めませんでした: %2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>存在しません (そこで変換ジョブが実行されたことはありません)</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>リンクであり、tamro が書いたログではありません</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>変換ジョブがまだ書き込み中です。ジョブが終わるまで待ってください</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>%1 を読めません: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1 は tamro のログではありません: UTF-16 のテキストではありません</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>新しい名前を文字に戻せませんでした。このファイルはコピーされません。</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>この実行の後のファイルが同じ新しい名前になります。</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>この実行の前のファイルが同じ新しい名前になります。</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>入れ替えでは名前の二つの部分を残し、%1 を落とします。</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>ファイル名に使えない文字 (\ / : * ? &quot; &lt; &gt; | と制御文字) を取り除きます。</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>名前が出力フォルダーには長すぎるため短くします。</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1 はこの実行の前のファイルが使っています。</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1 はもう出力フォルダーにあります。</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>最後の行が途中で切れています</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>空か、途中で切れています</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>tamro の実行記録ではありません (または新しい tamro のものです)</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>実行 ID がありません</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>時刻がありません</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>ログフォルダーがありません</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>ヘッダーに収まる以上の内容があります</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>壊れた出力フォルダー</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>壊れた元フォルダー</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>壊れたコピー</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>不明な行</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>その実行が作っていないコピー</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>%1 を調べられません: %2。</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1 は実行記録としては大きすぎます。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 を読めません: %2。</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>実行 %1 の記録はありません。</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 は壊れています: %2。</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>別の実行を指しています</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>ありません</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>実行 %1 の別の取り消しが進行中です。終わるまでお待ちください。</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>実行 %1 を取り消しに使えません: %2。</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>%1/%2/%3 を書き込めなかったため、記録には何が削除されたかが残りません: %4。</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>この実行は記録できないため、元に戻せません: %1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>この実行は記録できないため、元に戻せません: %1/%2 を作成できません: %3。</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>この実行は記録できません: 空いている実行 ID がありません。</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>この実行は記録できないため、元に戻せません: %1/%2 を書き込めません: %3。</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>そのフォルダーを開けません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>コピー %1 を記録できなかったため、元に戻せません: %2。</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>%1/%2 を書き込めなかったため、そこに挙がるコピーは元に戻せません: %3。</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1 は別のユーザーのものなので、tamro はそこにある実行記録を信用しません。</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1 は他のユーザーが書き込めるので、tamro はそこにある実行記録を信用しません。</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1 はリンクか、フォルダーではないので、tamro はそこにある実行記録を信用しません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 を開けません: %2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1 は通常のファイルではないので、tamro は実行記録として信用しません。</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 を作成できません: %2。</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>調べられませんでした</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>実行 %1 の記録はありません。</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>%1 について tamro の実行は記録されていません。</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>%1 についての tamro の前回の実行 (実行 %2) は %3 にすでに元に戻されています。</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>実行 %1 は %2 にすでに元に戻されています。</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>実行記録にそのようなコピーはありません</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>読めません: %1。</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>「番号|タイトル|歌手」の形の行がありません。</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>曲リストが選ばれていません。</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>曲リストを使えません: %1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 はテキストファイルではありません。</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>出力フォルダー %1 がありません。作成するには --create-output を付けてください。</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>元フォルダー %1 の一覧を取れません: %2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>ログフォルダー %1 を使えません: %2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>このファイルの前で実行がキャンセルされました。</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern には --source FOLDER が必要です。</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run は undo 用です。</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert には --output FOLDER が必要です。</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output は convert 用です。</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview は convert 用です。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>曲リストモード。この曲リストを使います。</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>パターンモード: タイトルとアーティストを入れ替えます。</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>名前を付け直すファイルのフォルダー。</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>出力フォルダー (preview では最終的な名前を表示)。</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>出力フォルダーがなければ作成します (なければ convert は状態 2 で終了)。</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>InfoLog.txt と ErrorLog.txt の場所。</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>1 行に 1 ファイルずつ JSON オブジェクトを出力します。</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo: 削除するものを一覧にします。</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert: プレビューが示す名前でコピーします。プレビュー後のウィンドウと同じです (ログの行ではその名前を拡張子付きで記録します)。</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview、convert、undo のいずれか。</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>コマンドを一つ指定してください: preview、convert、undo。</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(%1 として)</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>ファイル %1/%2  %3/%4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  残り %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>コピー中のファイルの後で止めます。もう一度 Ctrl-C でそのファイルもやめます</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>--song-list、--pattern、--tags のどれか一つを指定してください。二つは指定できません。</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>--song-list LIST、--pattern、--tags のどれかを指定してください。</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags には --source FOLDER が必要です。</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format は --tags と使います。</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>タグモード: ファイル自身のタグから名前を付けます。</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>--tags の名前の書式 (既定: {title}-{artist})。</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>それでもコピーするには --no-room-check を指定してください。</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>メディアに書き込み中…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check は convert 用です。</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert: 実行内容が出力フォルダーのメディアに収まらなくてもコピーします（指定しないと convert は状態 2 で終了します）。</translation>
    </message>
    <message>
        <source>Gives song files new names by copying them into an output folder, without a window.

Commands:
  preview --song-list LIST [--source FOLDER]   the new name of every file
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] copy under the new names
  undo [--log-dir DIR | --run ID] [--dry-run]  remove the last run&apos;s copies
  undo --list                                  the recorded runs, newest first

The source folder defaults to the song list&apos;s folder. Files are taken as the
window lists them: files only, hidden ones left out, in natural name order.
--tags names each file from its own tags, by default as {title}-{artist}; the
fields are {title} {artist} {album} {albumartist} {track} {disc} {year} and
{genre}, and {track:2} pads the track&apos;s number to two digits.
A copy never replaces anything and no source file is ever changed.
Convert writes InfoLog.txt and ErrorLog.txt into the working folder (or
--log-dir). Ctrl-C cancels after the file under way; a second Ctrl-C gives
that file up too and removes its partial copy.

Every convert keeps a record of the copies it made in the operator&apos;s own
state folder ($XDG_STATE_HOME/tamro/runs). Undo takes back the last run whose
logs were written in the log folder (or run ID from --list): it removes each
recorded copy that is still the very file the run made, in its output folder,
with its source&apos;s bytes; anything else is left and said why. The logs are for
people: a folder with logs and no record undoes nothing.

Exit status: 0 every copy succeeded (undo: every copy removed), 1 some copies
failed (undo: some were left), 2 bad usage or an unusable song list, format,
folder or log, 130 cancelled by Ctrl-C.</source>
        <translation>曲ファイルを出力フォルダーにコピーして新しい名前を付けます。ウィンドウは使いません。

コマンド:
  preview --song-list LIST [--source FOLDER]   各ファイルの新しい名前
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] 新しい名前でコピー
  undo [--log-dir DIR | --run ID] [--dry-run]  前回の実行のコピーを削除
  undo --list                                  記録された実行 (新しい順)

元フォルダーを指定しなければ曲リストのフォルダーを使います。ファイルは
ウィンドウの一覧と同じに扱います: ファイルだけ、隠しファイルは除き、名前の
自然な順です。
--tags は各ファイルをそれ自身のタグから名付けます。既定は {title}-{artist}
で、フィールドは {title} {artist} {album} {albumartist} {track} {disc}
{year} {genre} です。{track:2} はトラック番号を 2 桁にそろえます。
コピーが何かを置き換えることはなく、元ファイルは決して変えません。
convert は InfoLog.txt と ErrorLog.txt を作業フォルダー (または --log-dir)
に書きます。Ctrl-C はコピー中のファイルの後で取り消します。もう一度 Ctrl-C
を押すとそのファイルもやめ、途中までのコピーを削除します。

変換のたびに、作ったコピーをユーザー自身の状態フォルダー
($XDG_STATE_HOME/tamro/runs) に記録します。undo は、ログフォルダーにログを
書いた最後の実行 (または --list の実行 ID) を元に戻します。記録されたコピーのうち、
実行が作ったそのファイルのまま出力フォルダーにあり、元ファイルと同じバイトの
ものを削除し、それ以外は残して理由を示します。ログは人が読むためのもので、
ログがあっても記録のないフォルダーでは何も元に戻しません。

終了コード: 0 すべてのコピーに成功 (undo: すべて削除)、1 一部のコピーに失敗
(undo: 一部が残った)、2 使い方の誤りか、使えない曲リスト・書式・フォルダー・ログ、
130 Ctrl-C で取り消し。</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo に指定できるのは --log-dir、--run、--list、--dry-run だけです。</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list には他のオプションを指定できません。</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>--run か --log-dir のどちらか一方を指定してください。</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list と --run は undo 用です。</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo: 記録された実行を新しい順に一覧表示します。</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo: この実行を元に戻します (--list の ID)。</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run には実行の ID が必要です。</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>tamro の実行は記録されていません。</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>(記録を読めません: %1)</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>未取り消し</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>取り消し済み</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>一部取り消し済み (残り %1)</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 個のコピー</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n 個のコピー</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>出力フォルダーの新しい名前に、すでにまったく同じバイトのファイルがある場合はそのファイルを飛ばします（preview では identical と表示）。</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>曲ファイルを出力フォルダーにコピーして新しい名前を付けます。
PATH にはフォルダー (元フォルダーとして表示) か曲リストのファイルを指定できます。

変換ジョブごとにログ InfoLog.txt と ErrorLog.txt を、tamro を起動したフォルダー
に書きます (デスクトップのメニューから起動した場合はホームフォルダー)。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>開くフォルダーか曲リストのファイル。</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>PATH は一つまでです。</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>&apos;tamro --help&apos; を見てください。</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>元ファイルを読めませんでした: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>読めませんでした: %1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>コピーの後に変更されています</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>フォルダーを開けません: %1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>調べられません: %1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>代わりにリンクが置かれています</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>もう通常のファイルではありません</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>元ファイルがなくなっています</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>元ファイルを読めません: %1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>元ファイルがもう通常のファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>読めません: %1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>確認中に置き換えられました</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>コピーではなく元ファイルそのものです</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>削除できませんでした: %1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>確認の前に取り消しが中止されました</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>元ファイルと同じではなくなりました</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>そのフォルダーがなくなりました</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>そのフォルダーの場所にリンクがあります</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>そのフォルダーの場所に別のフォルダーがあります</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>その場所に別のファイルがあります</translation>
    </message>
</context>
</TS>
