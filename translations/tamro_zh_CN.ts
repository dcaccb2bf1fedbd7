<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>在此选择的文件夹会列在旁边。</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>文件夹中的文件</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>预览后，“新名称”列显示每个文件的新名称。</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>文件进度</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>正在复制的文件已完成多少。</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>整个任务已完成多少。</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>命名方式</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>副本写入的文件夹。</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>由“编号|标题|歌手”行组成的文本文件。</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>在“新名称”列中显示新名称；再次按下则隐藏。</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>以新名称将文件复制到输出文件夹。</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>上一次任务中失败的副本数。</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>“转换”按歌曲列表命名文件；“重命名”交换标题和艺术家；“标签”按文件自己的标签命名。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>新名称，标签字段放在花括号里，如 {title} 和 {artist}。</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>格式问题</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>格式无法为文件命名时的原因。</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 文件</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>不会被复制</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>将复制为：%1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2} 把音轨号补足为两位；花括号外的文字保持不变</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>专辑艺术家</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>音轨号</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>碟片号</translation>
    </message>
    <message>
        <source>title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>格式为空。</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>格式中有一个没有 } 闭合的 {。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>“%1”不是标签字段。字段有 %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>“%1”：只有 {track} 和 {disc} 可以带宽度。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>“%1”：宽度是不超过 %2 的数字，如 {track:2}。</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>它不是 tamro 能读取的音频文件。</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>无法读取：%1。</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>它没有标签。</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>它的标签中没有%1。</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>无法解码它标签中的%1。</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>无法解码新名称。</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>已复制过。</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>错误 : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>撤销上次转换…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>关于 tamro(&amp;A)...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>新名称</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>要求 tamro 打开的路径不存在：
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>任务正在运行，它读取的内容现在不能改变。请在任务结束后再次拖放。</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>此处只能拖放本机的文件和文件夹，不能拖放：
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>拖放的路径不存在：
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>输出文件夹必须是文件夹，而不是：
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>当前文件夹：</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>输出文件夹不存在。要创建吗？</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>请输入路径。</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>请输入输出路径。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>转换</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>重命名</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
……另有 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n 个副本</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>未撤销任何内容。
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>没有可撤销的内容。
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>已删除 %1。</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>保留的：</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>以下保留：</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>无可撤销：上次转换任务没有复制任何文件。</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>无可撤销。</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>将删除：</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 个副本</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>标签</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>跳过已复制的文件</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>仍要复制吗？放不下的文件在轮到时会失败。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>撤销上次转换（%1，到 %2，生成 %3）：从输出文件夹删除 %4？</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>正在写入介质…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro 版本 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 tamro 开发者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5: 刷新</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>歌曲源文件夹</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>输出文件夹 :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>文件 :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>总计 :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>歌曲列表 :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>按文本文件重命名</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>设为源文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>示例 )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>标题 - 艺术家   -&gt;   艺术家 - 标题</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>艺术家 - 标题   -&gt;   标题 - 艺术家</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>选择歌曲列表</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>关于 tamro</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>歌曲文件转换</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>按标签重命名文件</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>格式：</translation>
    </message>
</context>
<context>
    <name>NamingRule</name>
    <message>
        <source>No line of the song list has its number.</source>
        <translation>歌曲列表中没有这个编号的行。</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>名称中没有可用于交换的连字符。</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>它的标签无法给出新名称。</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>无法使用输出文件夹。
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro 无法写入：%1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>它不是文件夹。</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>无法创建输出文件夹。
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>要复制的文件需要 %1，但 %2 只有 %3 可用。</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>要复制的最大文件为 %1，但 %2 的文件系统无法存放 %3 或更大的文件。</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>已完成。</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>%n 个副本复制失败。</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>原因见 %1</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>此任务的日志不完整。</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>1 个副本复制失败。</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>副本可能尚未全部写入介质：%1。请保持介质连接，并在使用副本前检查它们。</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>它是指向另一个文件的链接</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>另一个正在运行的 tamro 正在使用它</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>%1 中的日志正被另一个运行中的 tamro 使用。请等它的任务结束，或从另一个文件夹启动 tamro。</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>无法完整写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>它不存在（那里从未运行过转换任务）</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>它是链接，不是 tamro 写的日志</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>转换任务仍在写入；请等待任务结束</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>无法读取 %1：它不是普通文件</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1 不是 tamro 的运行日志：它不是 UTF-16 文本</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>无法解码新名称；此文件不会被复制。</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>本次运行中后面的文件有相同的新名称。</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>本次运行中前面的文件有相同的新名称。</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>交换保留名称的两部分，丢弃 %1。</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>删除文件名中不能包含的字符（\ / : * ? &quot; &lt; &gt; | 和控制字符）。</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>名称对输出文件夹来说太长，将被缩短。</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1 已被本次运行中前面的文件占用。</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1 已在输出文件夹中。</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>最后一行被截断</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>它为空或被截断</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>它不是 tamro 的运行记录（或是更新版 tamro 的记录）</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>没有运行 ID</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>没有时间</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>没有日志文件夹</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>超出了头部应有的内容</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>损坏的输出文件夹</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>损坏的源文件夹</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>损坏的副本</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>未知的行</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>该运行未生成的副本</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>无法查看 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1 作为运行记录太大。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>没有记录运行 %1。</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 已损坏：%2。</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>它指向另一次运行</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>它不存在</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>运行 %1 的另一次撤销正在进行；请等它结束。</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>无法取用运行 %1 进行撤销：%2。</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>无法写入 %1/%2/%3，因此记录中没有删除了什么：%4。</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>无法记录本次运行，因此无法撤销：%1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>无法记录本次运行，因此无法撤销：无法创建 %1/%2：%3。</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>无法记录本次运行：没有可用的运行 ID。</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>无法记录本次运行，因此无法撤销：无法写入 %1/%2：%3。</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>无法打开其文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>无法记录副本 %1，因此无法撤销：%2。</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>无法写入 %1/%2，因此其中列出的副本无法撤销：%3。</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1 属于其他用户，因此 tamro 不信任其中的运行记录。</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1 可被其他用户写入，因此 tamro 不信任其中的运行记录。</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1 是链接或不是文件夹，因此 tamro 不信任其中的运行记录。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1 不是普通文件，因此 tamro 不把它当作运行记录信任。</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>无法创建 %1：%2。</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>无法检查它</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>没有记录运行 %1。</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>没有为 %1 记录的 tamro 运行。</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>%1 的上次 tamro 运行（运行 %2）已于 %3 撤销。</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>运行 %1 已于 %2 撤销。</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>运行记录中没有这个副本</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>它是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>无法读取：%1。</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>没有“编号|标题|歌手”形式的行。</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>尚未选择歌曲列表文件。</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>无法使用歌曲列表：%1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 不是文本文件。</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>输出文件夹 %1 不存在。加上 --create-output 即可创建。</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>无法列出源文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>无法使用日志文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>运行在此文件之前被取消。</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern 需要 --source FOLDER。</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run 属于 undo。</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert 需要 --output FOLDER。</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output 属于 convert。</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview 属于 convert。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>歌曲列表模式，使用此歌曲列表。</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>模式方式：交换标题和艺术家。</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>要重命名其文件的文件夹。</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>输出文件夹（用于 preview 时显示最终名称）。</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>创建缺少的输出文件夹（否则 convert 以状态 2 结束）。</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>InfoLog.txt 和 ErrorLog.txt 所在的位置。</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>每行每个文件一个 JSON 对象。</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo：列出将删除的内容。</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert：以预览显示的名称复制，与窗口在预览后的做法相同（其日志行会带扩展名记下这些名称）。</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview、convert 或 undo。</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>请给出一个命令：preview、convert 或 undo。</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>（作为 %1）</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>文件 %1/%2  %3/%4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  剩余 %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>将在当前文件之后停止；再按 Ctrl-C 则放弃该文件</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>请在 --song-list、--pattern 和 --tags 中只给出一个。</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>请给出 --song-list LIST、--pattern 或 --tags。</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags 需要 --source FOLDER。</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format 只能与 --tags 一起使用。</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>标签模式：按文件自己的标签命名。</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>--tags 的名称格式（默认：{title}-{artist}）。</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>如仍要复制，请指定 --no-room-check。</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>正在写入介质…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check 只用于 convert。</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert：即使本次运行放不进输出文件夹所在的介质也照样复制（否则 convert 以状态 2 结束）。</translation>
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
        <translation>通过把歌曲文件复制到输出文件夹来给它们起新名字，无需窗口。

命令：
  preview --song-list LIST [--source FOLDER]   每个文件的新名称
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] 以新名称复制
  undo [--log-dir DIR | --run ID] [--dry-run]  删除上次运行的副本
  undo --list                                  已记录的运行，最新的在前

源文件夹默认为歌曲列表所在的文件夹。文件的取法与窗口列出的一致：只取文件，
不含隐藏文件，按名称的自然顺序。
--tags 按每个文件自己的标签命名，默认为 {title}-{artist}；字段有 {title}
{artist} {album} {albumartist} {track} {disc} {year} 和 {genre}，
{track:2} 把音轨号补足为两位。
复制从不替换任何东西，也从不改动源文件。
convert 把 InfoLog.txt 和 ErrorLog.txt 写入工作文件夹（或 --log-dir）。
Ctrl-C 在当前文件之后取消；再按一次 Ctrl-C 也放弃该文件并删除其不完整的副本。

每次转换都会把生成的副本记录在用户自己的状态文件夹
（$XDG_STATE_HOME/tamro/runs）中。undo 撤销把日志写入日志文件夹的最后一次运行
（或 --list 中的运行 ID）：删除每个仍是该运行生成的那个文件、位于其输出文件夹、
且与源文件字节相同的已记录副本；其余的保留，并说明原因。日志是给人看的：
只有日志而没有记录的文件夹不会撤销任何东西。

退出状态：0 全部复制成功（undo：全部删除），1 部分复制失败（undo：有些保留），
2 用法错误或歌曲列表、格式、文件夹、日志不可用，130 被 Ctrl-C 取消。</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo 只接受 --log-dir、--run、--list 和 --dry-run。</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list 不接受其他选项。</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>请指定 --run 或 --log-dir，不要同时指定。</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list 和 --run 属于 undo。</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo：列出已记录的运行，最新的在前。</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo：撤销此次运行（--list 中的 ID）。</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run 需要一次运行的 ID。</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>没有记录任何 tamro 运行。</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>（无法读取其记录：%1）</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>未撤销</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>已撤销</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>部分撤销（剩余 %1）</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 个副本</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n 个副本</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>如果输出文件夹中的新名称下已有字节完全相同的文件，则跳过该文件（preview 将其标为 identical）。</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>通过把歌曲文件复制到输出文件夹来给它们起新名字。
PATH 可以是文件夹（显示为源文件夹）或歌曲列表文件。

每个转换任务把日志 InfoLog.txt 和 ErrorLog.txt 写入启动 tamro 的文件夹
（从桌面菜单启动时即为主文件夹）。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>要打开的文件夹或歌曲列表文件。</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>最多给出一个 PATH。</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>请试试 &apos;tamro --help&apos;。</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>无法读取其源文件：%1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>复制之后已被修改</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>无法打开其文件夹：%1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>它不见了</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>无法查看：%1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>其位置上是一个链接</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>它已不再是普通文件</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>其源文件已不存在</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>无法读取其源文件：%1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>其源文件已不再是普通文件</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>检查期间被替换了</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>它就是源文件本身，不是副本</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>无法删除：%1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>在检查它之前撤销已被取消</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>它已不再与源文件相同</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>其文件夹已不存在</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>其文件夹的位置上是一个链接</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>其文件夹的位置上是另一个文件夹</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>它的位置上是另一个文件</translation>
    </message>
</context>
</TS>
