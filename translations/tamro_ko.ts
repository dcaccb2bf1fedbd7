<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>여기서 고른 폴더의 파일이 옆에 나열됩니다.</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>폴더의 파일</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>미리 보기 후 「새 이름」 열에 각 파일의 새 이름이 나옵니다.</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>파일 진행률</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>복사 중인 파일이 얼마나 끝났는지 보여 줍니다.</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>전체 진행률</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>작업 전체가 얼마나 끝났는지 보여 줍니다.</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>이름 짓기 방식</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>복사본을 쓸 폴더입니다.</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>「번호|제목|가수」 줄로 된 텍스트 파일입니다.</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>「새 이름」 열에 새 이름을 보여 줍니다. 다시 누르면 숨깁니다.</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>파일을 새 이름으로 출력 폴더에 복사합니다.</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>지난 작업에서 실패한 복사 수입니다.</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>「변환」은 노래 목록으로 이름을 짓고, 「이름 바꾸기」는 제목과 가수를 맞바꾸며, 「태그」는 파일 자신의 태그로 이름을 짓습니다.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>새 이름. {title}, {artist}처럼 태그 필드를 중괄호로 감쌉니다.</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>형식 문제</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>형식으로 파일 이름을 지을 수 없을 때 그 이유.</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 파일</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>복사되지 않습니다</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>이 이름으로 복사됩니다: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>수정한 날짜</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2}는 트랙 번호를 두 자리로 채웁니다. 중괄호 밖의 글자는 그대로 둡니다</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>앨범 아티스트</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>트랙 번호</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>디스크 번호</translation>
    </message>
    <message>
        <source>title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>아티스트</translation>
    </message>
    <message>
        <source>album</source>
        <translation>앨범</translation>
    </message>
    <message>
        <source>year</source>
        <translation>연도</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>장르</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>형식이 비어 있습니다.</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>형식에 }로 닫히지 않은 {가 있습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>&quot;%1&quot;은(는) 태그 필드가 아닙니다. 필드는 %2입니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>&quot;%1&quot;: 너비는 {track}과 {disc}만 가질 수 있습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>&quot;%1&quot;: 너비는 %2까지의 숫자입니다({track:2}처럼).</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>tamro가 읽을 수 있는 오디오 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>태그가 없습니다.</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>태그에 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>태그의 %1을(를) 디코딩할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>새 이름을 해독할 수 없었습니다.</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>이미 복사되었습니다.</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>오류 : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>마지막 변환 되돌리기…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>tamro 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>tamro가 없는 경로를 열도록 요청받았습니다:
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>작업이 실행 중이라 작업이 읽는 것을 지금 바꿀 수 없습니다. 작업이 끝난 뒤 다시 끌어다 놓으세요.</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>여기에는 이 컴퓨터의 파일과 폴더만 끌어다 놓을 수 있습니다. 다음은 안 됩니다:
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>끌어다 놓은 경로가 없습니다:
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>출력 폴더는 폴더여야 합니다. 다음은 안 됩니다:
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>현재 폴더:</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>출력 폴더가 없습니다. 만들까요?</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>경로를 입력하세요.</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>출력 경로를 입력하세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>변환</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>이름 바꾸기</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… 외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>복사본 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>아무것도 되돌리지 않았습니다.
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>되돌릴 수 있는 것이 없습니다.
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1를 지웠습니다.</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>남겨 둔 것:</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>다음은 남습니다:</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>되돌릴 것이 없습니다. 마지막 변환 작업은 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>되돌릴 것이 없습니다.</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>지울 것:</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>복사본 1개</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>태그</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>이미 복사된 파일 건너뛰기</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>그래도 복사할까요? 들어가지 않는 것은 차례가 되면 실패합니다.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>지난 변환(%1, %2(으)로, %3 만듦)을 되돌려 출력 폴더에서 %4을(를) 지울까요?</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>저장 매체에 쓰는 중…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro 버전 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 tamro 개발자</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>미리 보기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5: 새로 고침</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>노래 원본 폴더</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>출력 폴더 :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>파일 :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>전체 :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>노래 목록 :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>텍스트 파일로 이름 바꾸기</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>원본 폴더로 설정(&amp;S)</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>예 )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>제목 - 가수   -&gt;   가수 - 제목</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>가수 - 제목   -&gt;   제목 - 가수</translation>
    </message>
    <message>
        <source>or</source>
        <translation>또는</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>출력 폴더 고르기</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>노래 목록 고르기</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>tamro 정보</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>노래 파일 변환</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>태그로 파일 이름 바꾸기</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>형식 :</translation>
    </message>
</context>
<context>
    <name>NamingRule</name>
    <message>
        <source>No line of the song list has its number.</source>
        <translation>노래 목록에 이 번호의 줄이 없습니다.</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>이름에 맞바꿀 기준이 되는 하이픈이 없습니다.</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>태그로 새 이름을 지을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>출력 폴더를 쓸 수 없습니다.
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro가 여기에 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>출력 폴더를 만들 수 없었습니다.
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>복사할 파일에 %1이(가) 필요하지만 %2의 여유 공간은 %3뿐입니다.</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>복사할 가장 큰 파일은 %1이지만 %2의 파일 시스템은 %3 이상의 파일을 담을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>취소했습니다.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>완료했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>복사 %n개가 실패했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>이유는 %1에 있습니다</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>이 작업의 로그가 불완전합니다.</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>복사 1개가 실패했습니다.</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>복사본이 아직 모두 저장 매체에 기록되지 않았을 수 있습니다: %1. 매체를 연결한 채로 두고, 복사본을 쓰기 전에 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>다른 파일로 가는 링크입니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>실행 중인 다른 tamro가 쓰고 있습니다</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>%1의 로그를 실행 중인 다른 tamro가 쓰고 있습니다. 그 작업이 끝날 때까지 기다리거나 다른 폴더에서 tamro를 시작하세요.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1을(를) 만들 수 없었습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>%1을(를) 끝까지 쓸 수 없었습니다: %2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>없습니다 (그곳에서 변환 작업이 실행된 적이 없습니다)</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>링크이며 tamro가 쓴 로그가 아닙니다</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>변환 작업이 아직 쓰고 있습니다. 작업이 끝날 때까지 기다리세요</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>%1을(를) 읽을 수 없습니다: 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1은(는) tamro의 로그가 아닙니다: UTF-16 텍스트가 아닙니다</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>새 이름을 해독할 수 없었습니다. 이 파일은 복사되지 않습니다.</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>이번 실행의 뒤쪽 파일이 같은 새 이름을 갖습니다.</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>이번 실행의 앞쪽 파일이 같은 새 이름을 갖습니다.</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>맞바꾸기는 이름의 두 부분만 남기고 %1을(를) 버립니다.</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>파일 이름에 쓸 수 없는 문자(\ / : * ? &quot; &lt; &gt; | 와 제어 문자)를 지웁니다.</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>이름이 출력 폴더에 비해 너무 길어 줄입니다.</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1은(는) 이번 실행의 앞쪽 파일이 이미 차지했습니다.</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1은(는) 이미 출력 폴더에 있습니다.</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1번째 줄: %2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>마지막 줄이 잘려 있습니다</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>비어 있거나 잘려 있습니다</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>tamro의 실행 기록이 아닙니다(또는 더 새로운 tamro의 기록입니다)</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>실행 ID가 없습니다</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>시각이 없습니다</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>로그 폴더가 없습니다</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>헤더가 담는 것보다 많습니다</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>손상된 출력 폴더</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>손상된 원본 폴더</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>손상된 복사본</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>알 수 없는 줄</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>그 실행이 만들지 않은 복사본</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>%1을(를) 살펴볼 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1은(는) 실행 기록으로는 너무 큽니다.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>실행 %1은(는) 기록되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1이(가) 손상되었습니다: %2.</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>다른 실행을 가리킵니다</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>없습니다</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>실행 %1의 다른 되돌리기가 진행 중입니다. 끝날 때까지 기다리세요.</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>실행 %1을(를) 되돌리기에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>%1/%2/%3을(를) 쓸 수 없어 기록에 무엇이 지워졌는지 남지 않습니다: %4.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>이 실행은 기록할 수 없어 되돌릴 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>이 실행은 기록할 수 없어 되돌릴 수 없습니다: %1/%2을(를) 만들 수 없습니다: %3.</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>이 실행은 기록할 수 없습니다: 비어 있는 실행 ID가 없습니다.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>이 실행은 기록할 수 없어 되돌릴 수 없습니다: %1/%2을(를) 쓸 수 없습니다: %3.</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>그 폴더를 열 수 없습니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>복사본 %1을(를) 기록할 수 없어 되돌릴 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>%1/%2을(를) 쓸 수 없어 그 안의 복사본은 되돌릴 수 없습니다: %3.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1은(는) 다른 사용자의 것이므로 tamro는 그곳의 실행 기록을 믿지 않습니다.</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1은(는) 다른 사용자가 쓸 수 있으므로 tamro는 그곳의 실행 기록을 믿지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1은(는) 링크이거나 폴더가 아니므로 tamro는 그곳의 실행 기록을 믿지 않습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1은(는) 일반 파일이 아니므로 tamro는 실행 기록으로 믿지 않습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1을(를) 만들 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>확인할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>실행 %1은(는) 기록되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>%1에 대해 기록된 tamro 실행이 없습니다.</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>%1에 대한 tamro의 지난 실행(실행 %2)은 %3에 이미 되돌렸습니다.</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>실행 %1은(는) %2에 이미 되돌렸습니다.</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>실행 기록에 그런 복사본이 없습니다</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>파일이 없습니다.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>「번호|제목|가수」 꼴의 줄이 없습니다.</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>노래 목록 파일을 고르지 않았습니다.</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>노래 목록을 쓸 수 없습니다: %1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1은(는) 텍스트 파일이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>출력 폴더 %1이(가) 없습니다. 만들려면 --create-output을 주세요.</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>원본 폴더 %1의 목록을 얻을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>로그 폴더 %1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>이 파일 전에 실행이 취소되었습니다.</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern에는 --source FOLDER가 필요합니다.</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run은 undo에 씁니다.</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert에는 --output FOLDER가 필요합니다.</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output은 convert에 씁니다.</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview는 convert에 씁니다.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>이 도움말을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>버전을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>노래 목록 방식. 이 노래 목록을 씁니다.</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>패턴 방식: 제목과 가수를 맞바꿉니다.</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>이름을 바꿀 파일들의 폴더.</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>출력 폴더(preview에서는 최종 이름을 보여 줌).</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>출력 폴더가 없으면 만듭니다(아니면 convert가 상태 2로 끝남).</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>InfoLog.txt와 ErrorLog.txt가 있는 곳.</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>줄마다 파일 하나씩 JSON 개체를 냅니다.</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo: 지울 것을 나열합니다.</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert: 미리 보기가 보여 주는 이름으로 복사합니다. 미리 보기 뒤의 창과 같습니다(로그 줄에는 확장자를 붙인 이름이 적힘).</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview, convert, undo 중 하나.</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>명령을 하나 주세요: preview, convert, undo.</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(%1(으)로)</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>파일 %1/%2  %3/%4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  남은 시간 %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>복사 중인 파일 다음에 멈춥니다. Ctrl-C를 한 번 더 누르면 그 파일도 그만둡니다</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>--song-list, --pattern, --tags 중 하나만 주세요. 둘은 안 됩니다.</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>--song-list LIST, --pattern 또는 --tags를 주세요.</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags에는 --source FOLDER가 필요합니다.</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format은 --tags와 함께 씁니다.</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>태그 모드: 파일 자신의 태그로 이름을 짓습니다.</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>--tags의 이름 형식(기본: {title}-{artist}).</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>그래도 복사하려면 --no-room-check를 지정하십시오.</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>저장 매체에 쓰는 중…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check는 convert에 쓰는 옵션입니다.</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert: 작업이 출력 폴더의 저장 매체에 들어가지 않아도 복사합니다(지정하지 않으면 convert는 상태 2로 끝납니다).</translation>
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
        <translation>노래 파일을 출력 폴더에 복사해 새 이름을 붙입니다. 창 없이 씁니다.

명령:
  preview --song-list LIST [--source FOLDER]   각 파일의 새 이름
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] 새 이름으로 복사
  undo [--log-dir DIR | --run ID] [--dry-run]  지난 실행의 복사본 지우기
  undo --list                                  기록된 실행, 최근 것부터

원본 폴더를 주지 않으면 노래 목록의 폴더를 씁니다. 파일은 창이 보여 주는
대로 다룹니다: 파일만, 숨김 파일은 빼고, 이름의 자연스러운 순서로.
--tags는 각 파일을 그 파일의 태그로 이름 짓고, 기본은 {title}-{artist}입니다.
필드는 {title} {artist} {album} {albumartist} {track} {disc} {year}
{genre}이며, {track:2}는 트랙 번호를 두 자리로 채웁니다.

복사는 아무것도 덮어쓰지 않으며 원본 파일은 절대 바꾸지 않습니다.
convert는 InfoLog.txt와 ErrorLog.txt를 작업 폴더(또는 --log-dir)에 씁니다.
Ctrl-C는 복사 중인 파일 다음에 취소하고, 한 번 더 누르면 그 파일도 그만두고
덜 된 복사본을 지웁니다.

변환할 때마다 만든 복사본을 사용자 자신의 상태 폴더
($XDG_STATE_HOME/tamro/runs)에 기록합니다. undo는 로그 폴더에 로그를 쓴 마지막
실행(또는 --list의 실행 ID)을 되돌립니다. 기록된 복사본 중 실행이 만든 바로 그
파일로 출력 폴더에 있고 원본과 바이트가 같은 것을 지우며, 나머지는 남기고 이유를
알려 줍니다. 로그는 사람이 읽는 것입니다. 로그만 있고 기록이 없는 폴더에서는
아무것도 되돌리지 않습니다.

종료 상태: 0 모든 복사 성공(undo: 모두 지움), 1 일부 복사 실패(undo: 일부
남음), 2 잘못된 사용 또는 쓸 수 없는 노래 목록·형식·폴더·로그, 130 Ctrl-C로 취소.</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo에는 --log-dir, --run, --list, --dry-run만 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list에는 다른 옵션을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>--run과 --log-dir 중 하나만 주세요.</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list와 --run은 undo용입니다.</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo: 기록된 실행을 최근 것부터 보여 줍니다.</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo: 이 실행을 되돌립니다(--list의 ID).</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run에는 실행의 ID가 필요합니다.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>기록된 tamro 실행이 없습니다.</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>(기록을 읽을 수 없습니다: %1)</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>되돌리지 않음</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>되돌림</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>일부 되돌림(%1개 남음)</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>복사본 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>복사본 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>출력 폴더의 새 이름에 이미 정확히 같은 바이트의 파일이 있으면 그 파일을 건너뜁니다(preview는 identical로 표시).</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>노래 파일을 출력 폴더에 복사해 새 이름을 붙입니다.
PATH는 폴더(원본 폴더로 보임)나 노래 목록 파일일 수 있습니다.

변환 작업마다 로그 InfoLog.txt와 ErrorLog.txt를 tamro를 시작한 폴더에
씁니다(데스크톱 메뉴에서 시작했다면 홈 폴더).</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>이 도움말을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>버전을 보여 주고 끝냅니다.</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>열 폴더나 노래 목록 파일.</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>PATH는 하나까지만 주세요.</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>&apos;tamro --help&apos;를 보세요.</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>원본을 읽을 수 없었습니다: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>읽을 수 없었습니다: %1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>복사한 뒤에 바뀌었습니다</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>폴더를 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>없습니다</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>살펴볼 수 없습니다: %1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>그 자리에 링크가 있습니다</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>더 이상 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>원본이 사라졌습니다</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>원본을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>원본이 더 이상 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>확인하는 동안 바뀌었습니다</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>복사본이 아니라 원본 그 자체입니다</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>지울 수 없었습니다: %1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>확인하기 전에 되돌리기가 취소되었습니다</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>더 이상 원본과 같지 않습니다</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>그 폴더가 없어졌습니다</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>그 폴더 자리에 링크가 있습니다</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>그 폴더 자리에 다른 폴더가 있습니다</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>그 자리에 다른 파일이 있습니다</translation>
    </message>
</context>
</TS>
