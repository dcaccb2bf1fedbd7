<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>Der hier gewählte Ordner wird daneben aufgelistet.</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>Dateien des Ordners</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>Nach der Vorschau steht in der Spalte „Neuer Name“ der neue Name jeder Datei.</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Fortschritt der Datei</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>Wie viel der gerade kopierten Datei fertig ist.</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>Wie viel des ganzen Auftrags fertig ist.</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>Benennungsart</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>Der Ordner, in den die Kopien geschrieben werden.</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>Eine Textdatei mit Zeilen Nummer|Titel|Sänger.</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>Zeigt die neuen Namen in der Spalte „Neuer Name“; erneut gedrückt, blendet sie aus.</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>Kopiert die Dateien unter ihren neuen Namen in den Ausgabeordner.</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>Wie viele Kopien des letzten Auftrags fehlschlugen.</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>„Umwandeln“ benennt die Dateien nach einer Songliste; „Umbenennen“ vertauscht Titel und Interpret; „Tags“ benennt sie nach ihren eigenen Tags.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>Der neue Name, mit Tag-Feldern in geschweiften Klammern wie {title} und {artist}.</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>Problem des Formats</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>Warum das Format die Dateien nicht benennen kann, falls es das nicht kann.</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>Wird nicht kopiert</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>Wird kopiert als: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2} füllt die Titelnummer auf zwei Ziffern auf; Text außerhalb der Klammern bleibt</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>Album-Interpret</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>CD-Nummer</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>Das Format ist leer.</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>Das Format hat eine {, die keine } schließt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>„%1“ ist kein Tag-Feld. Die Felder sind %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>„%1“: nur {track} und {disc} nehmen eine Breite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>„%1“: eine Breite ist eine Zahl bis %2, wie in {track:2}.</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>Sie ist keine Audiodatei, die tamro lesen kann.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Sie kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>Sie hat keine Tags.</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>Ihren Tags fehlt %1.</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>%1 in ihren Tags kann nicht dekodiert werden.</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>Der neue Name ließ sich nicht entschlüsseln.</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>Bereits kopiert.</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>Fehler : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>Letztes Umwandeln rückgängig…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>Ü&amp;ber tamro...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>tamro sollte einen Pfad öffnen, den es nicht gibt:
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>Ein Auftrag läuft, daher darf sich nichts ändern, was er liest. Ziehen Sie es erneut hierher, wenn der Auftrag beendet ist.</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>Hierher lassen sich nur Dateien und Ordner dieses Computers ziehen, nicht:
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>Der hierher gezogene Pfad existiert nicht:
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>Der Ausgabeordner muss ein Ordner sein, nicht:
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>Aktueller Ordner:</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>Der Ausgabeordner existiert nicht. Anlegen?</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>Bitte geben Sie einen Pfad ein.</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>Bitte geben Sie den Ausgabepfad ein.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>Umbenennen</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… und %n weitere</numerusform>
            <numerusform>
… und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n Kopie</numerusform>
            <numerusform>%n Kopien</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>Nichts wurde rückgängig gemacht.
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>Nichts lässt sich rückgängig machen.
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Entfernt: %1.</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>Stehen gelassen:</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>Diese bleiben:</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>Nichts rückgängig zu machen: Der letzte Umwandeln-Auftrag hat nichts kopiert.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>Wird entfernt:</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 Kopie</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>Bereits kopierte Dateien überspringen</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>Trotzdem kopieren? Was nicht passt, schlägt fehl, wenn es an der Reihe ist.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>Letzten Konvertierungslauf rückgängig machen (%1, nach %2, %3 erstellt): %4 aus dem Ausgabeordner entfernen?</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Wird auf den Datenträger geschrieben…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro, Version 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 die tamro-Entwickler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5: Neu laden</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>Quellordner der Songs</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>Ausgabeordner :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>Datei :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>gesamt :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>Songliste :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>Dateien nach einer Textdatei benennen</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>Als &amp;Quellordner setzen</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>Beispiel )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>Titel - Interpret   -&gt;   Interpret - Titel</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>Interpret - Titel   -&gt;   Titel - Interpret</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>Songliste wählen</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>Über tamro</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>Songdateien umwandeln</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>Dateien nach ihren Tags umbenennen</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>Format :</translation>
    </message>
</context>
<context>
    <name>NamingRule</name>
    <message>
        <source>No line of the song list has its number.</source>
        <translation>Keine Zeile der Songliste hat seine Nummer.</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>Sein Name hat keinen Bindestrich zum Vertauschen.</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>Ihre Tags geben ihr keinen neuen Namen.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>Der Ausgabeordner ist nicht verwendbar.
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro darf nicht hineinschreiben: %1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Es ist kein Ordner.</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>Der Ausgabeordner ließ sich nicht anlegen.
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>Die zu kopierenden Dateien brauchen %1, aber %2 hat nur %3 frei.</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>Die größte zu kopierende Datei hat %1, aber das Dateisystem von %2 fasst keine Datei von %3 oder mehr.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>Fertig.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>%n Kopie schlug fehl.</numerusform>
            <numerusform>%n Kopien schlugen fehl.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>Die Gründe stehen in %1</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>Die Protokolle dieses Auftrags sind unvollständig.</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>1 Kopie schlug fehl.</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>Die Kopien sind womöglich noch nicht alle auf dem Datenträger: %1. Lassen Sie ihn angeschlossen und prüfen Sie die Kopien, bevor Sie sich auf sie verlassen.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>es ist ein Verweis auf eine andere Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>ein anderes laufendes tamro benutzt es</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>Die Protokolle in %1 benutzt ein anderes laufendes tamro. Warten Sie, bis dessen Auftrag beendet ist, oder starten Sie tamro aus einem anderen Ordner.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 ließ sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>%1 ließ sich nicht vollständig schreiben: %2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>es existiert nicht (dort lief noch kein Umwandeln-Auftrag)</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>es ist ein Verweis, kein Protokoll von tamro</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>ein Umwandeln-Auftrag schreibt es noch; warten Sie, bis er beendet ist</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>%1 ist nicht lesbar: es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1 ist kein Protokoll von tamro: es ist kein UTF-16-Text</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>Der neue Name ließ sich nicht entschlüsseln; diese Datei wird nicht kopiert.</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>Eine spätere Datei dieses Laufs hat denselben neuen Namen.</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>Eine frühere Datei dieses Laufs hat denselben neuen Namen.</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>Das Vertauschen behält zwei Teile des Namens und lässt %1 weg.</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>Zeichen, die ein Dateiname nicht enthalten darf (\ / : * ? &quot; &lt; &gt; | und Steuerzeichen), werden entfernt.</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>Der Name ist für den Ausgabeordner zu lang und wird gekürzt.</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1 ist schon von einer früheren Datei dieses Laufs belegt.</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1 steht schon im Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>die letzte Zeile ist abgeschnitten</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>sie ist leer oder abgeschnitten</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>sie ist kein Laufprotokoll von tamro (oder eines von einem neueren tamro)</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>keine Lauf-ID</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>keine Zeit</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>kein Protokollordner</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>mehr, als ein Kopf enthält</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>ein beschädigter Ausgabeordner</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>ein beschädigter Quellordner</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>eine beschädigte Kopie</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>eine unbekannte Zeile</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>eine Kopie, die der Lauf nicht erstellt hat</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>%1 lässt sich nicht prüfen: %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1 ist zu groß für ein Laufprotokoll.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ist nicht lesbar: %2.</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>Kein Lauf %1 ist aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>sie nennt einen anderen Lauf</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>sie fehlt</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>Ein anderes Rückgängigmachen von Lauf %1 ist im Gang; warten Sie, bis es beendet ist.</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>Lauf %1 kann nicht zum Rückgängigmachen übernommen werden: %2.</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>%1/%2/%3 ließ sich nicht schreiben, daher sagt das Protokoll nicht, was entfernt wurde: %4.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>Der Lauf kann nicht aufgezeichnet werden und daher nicht rückgängig gemacht werden: %1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>Der Lauf kann nicht aufgezeichnet werden und daher nicht rückgängig gemacht werden: %1/%2 lässt sich nicht anlegen: %3.</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>Der Lauf kann nicht aufgezeichnet werden: keine freie Lauf-ID.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>Der Lauf kann nicht aufgezeichnet werden und daher nicht rückgängig gemacht werden: %1/%2 lässt sich nicht schreiben: %3.</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>ihr Ordner lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>Die Kopie %1 ließ sich nicht aufzeichnen und kann daher nicht rückgängig gemacht werden: %2.</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>%1/%2 ließ sich nicht schreiben, daher können die darin genannten Kopien nicht rückgängig gemacht werden: %3.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1 gehört einem anderen Benutzer, daher vertraut tamro den Laufprotokollen dort nicht.</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1 kann von anderen Benutzern geschrieben werden, daher vertraut tamro den Laufprotokollen dort nicht.</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1 ist ein Link oder kein Ordner, daher vertraut tamro den Laufprotokollen dort nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1 ist keine gewöhnliche Datei, daher vertraut tamro ihr nicht als Laufprotokoll.</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 lässt sich nicht anlegen: %2.</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>sie ließ sich nicht untersuchen</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>Kein Lauf %1 ist aufgezeichnet.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>Für %1 ist kein Lauf von tamro aufgezeichnet.</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>Der letzte Lauf von tamro für %1 (Lauf %2) ist bereits rückgängig gemacht, seit %3.</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>Lauf %1 ist bereits rückgängig gemacht, seit %2.</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>das Laufprotokoll enthält keine solche Kopie</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Sie ist nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>Sie hat keine Zeile der Form Nummer|Titel|Sänger.</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>Es ist keine Songliste gewählt.</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>Die Songliste ist nicht verwendbar: %1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>Der Ausgabeordner %1 existiert nicht. Mit --create-output wird er angelegt.</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>Der Quellordner %1 lässt sich nicht auflisten: %2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>Der Protokollordner %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>Der Lauf wurde vor dieser Datei abgebrochen.</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern braucht --source FOLDER.</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run gehört zu undo.</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert braucht --output FOLDER.</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output gehört zu convert.</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview gehört zu convert.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>Songlisten-Modus, mit dieser Songliste.</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>Muster-Modus: Titel und Interpret vertauschen.</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>Der Ordner, dessen Dateien neue Namen bekommen.</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>Der Ausgabeordner (bei preview: zeigt die endgültigen Namen).</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>Legt einen fehlenden Ausgabeordner an (sonst endet convert mit Status 2).</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>Wo InfoLog.txt und ErrorLog.txt liegen.</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>Ein JSON-Objekt je Zeile und Datei.</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo: listet auf, was es entfernen würde.</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert: kopiert unter den Namen, die eine Vorschau zeigt, wie das Fenster nach der Vorschau (seine Protokollzeilen nennen sie dann mit ihren Endungen).</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview, convert oder undo.</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>Geben Sie einen Befehl an: preview, convert oder undo.</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(als %1)</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FEHLGESCHLAGEN: %1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>Datei %1 von %2  %3 von %4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  noch %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>hört nach der laufenden Datei auf; ein weiteres Strg-C gibt sie auf</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>Gib eines von --song-list, --pattern und --tags an, nicht zwei.</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>Gib --song-list LIST, --pattern oder --tags an.</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags braucht --source FOLDER.</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format gehört zu --tags.</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>Tag-Modus: Namen aus den eigenen Tags der Dateien.</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>Das Namensformat von --tags (ohne Angabe: {title}-{artist}).</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>Geben Sie --no-room-check an, um trotzdem zu kopieren.</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Wird auf den Datenträger geschrieben…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check gehört zu convert.</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert: kopiert auch dann, wenn der Lauf nicht auf den Datenträger des Ausgabeordners passt (sonst endet convert mit Status 2).</translation>
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
        <translation>Gibt Songdateien neue Namen, indem es sie in einen Ausgabeordner kopiert, ohne Fenster.

Befehle:
  preview --song-list LIST [--source FOLDER]   der neue Name jeder Datei
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] unter den neuen Namen kopieren
  undo [--log-dir DIR | --run ID] [--dry-run]  die Kopien des letzten Laufs entfernen
  undo --list                                  die aufgezeichneten Läufe, neueste zuerst

Der Quellordner ist ohne Angabe der Ordner der Songliste. Die Dateien werden
genommen, wie das Fenster sie zeigt: nur Dateien, ohne versteckte, in
natürlicher Namensfolge.
--tags benennt jede Datei nach ihren eigenen Tags, ohne Angabe als
{title}-{artist}; die Felder sind {title} {artist} {album} {albumartist}
{track} {disc} {year} und {genre}, und {track:2} füllt die Titelnummer auf
zwei Ziffern auf.
 Eine Kopie ersetzt nie etwas, und keine Quelldatei
wird je verändert. Convert schreibt InfoLog.txt und ErrorLog.txt in den
Arbeitsordner (oder --log-dir). Strg-C bricht nach der laufenden Datei ab;
ein zweites Strg-C gibt auch diese auf und entfernt ihre halbe Kopie.

Jede Konvertierung zeichnet die erstellten Kopien im eigenen Zustandsordner des
Benutzers auf ($XDG_STATE_HOME/tamro/runs). Undo macht den letzten Lauf rückgängig,
dessen Protokolle im Protokollordner geschrieben wurden (oder den Lauf ID aus
--list): Es entfernt jede aufgezeichnete Kopie, die noch genau die Datei des Laufs
ist, in ihrem Ausgabeordner, mit den Bytes ihrer Quelle; alles andere bleibt, mit
dem Grund. Die Protokolle sind für Menschen: Ein Ordner mit Protokollen und ohne
Aufzeichnung macht nichts rückgängig.

Rückgabewert: 0 jede Kopie gelang (undo: jede Kopie entfernt), 1 manche Kopien
schlugen fehl (undo: manche blieben), 2 falscher Aufruf oder unbrauchbare
Songliste, Format, Ordner oder Protokoll, 130 mit Strg-C abgebrochen.</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo nimmt nur --log-dir, --run, --list und --dry-run.</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list nimmt keine weitere Option.</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>Geben Sie --run oder --log-dir an, nicht beides.</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list und --run gehören zu undo.</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo: listet die aufgezeichneten Läufe auf, die neuesten zuerst.</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo: macht diesen Lauf rückgängig (eine ID aus --list).</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run braucht die ID eines Laufs.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>Kein Lauf von tamro ist aufgezeichnet.</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>(sein Protokoll ist nicht lesbar: %1)</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>nicht rückgängig gemacht</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>teilweise rückgängig gemacht (%1 stehen noch)</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 Kopie</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n Kopie</numerusform>
            <numerusform>%n Kopien</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>Lässt eine Datei aus, deren neuer Name im Ausgabeordner schon genau ihre Bytes enthält (preview markiert sie als identical).</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>Gibt Songdateien neue Namen, indem es sie in einen Ausgabeordner kopiert.
PATH kann ein Ordner sein, als Quellordner gezeigt, oder eine Songliste.

Jeder Umwandeln-Auftrag schreibt seine Protokolle, InfoLog.txt und ErrorLog.txt,
in den Ordner, aus dem tamro gestartet wurde (aus einem Menü des Desktops
gestartet ist das der persönliche Ordner).</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>Ein Ordner oder eine Songliste zum Öffnen.</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>Geben Sie höchstens einen PATH an.</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>Siehe &apos;tamro --help&apos;.</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>ihre Quelle ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>sie ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>sie wurde seit dem Kopieren verändert</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>ihr Ordner lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>sie fehlt</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>sie lässt sich nicht ansehen: %1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>an ihrer Stelle steht ein Verweis</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>sie ist keine gewöhnliche Datei mehr</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>ihre Quelle ist weg</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>ihre Quelle ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>ihre Quelle ist keine gewöhnliche Datei mehr</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>sie wurde während der Prüfung ersetzt</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>sie ist ihre Quelle selbst, keine Kopie</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>sie ließ sich nicht entfernen: %1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>das Rückgängigmachen wurde abgebrochen, bevor sie geprüft war</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>sie gleicht ihrer Quelle nicht mehr</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>ihr Ordner ist weg</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>an der Stelle ihres Ordners steht ein Link</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>an der Stelle ihres Ordners steht ein anderer Ordner</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>an ihrer Stelle steht eine andere Datei</translation>
    </message>
</context>
</TS>
