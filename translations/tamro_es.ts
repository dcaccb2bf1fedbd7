<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>La carpeta elegida aquí se lista al lado.</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>Archivos de la carpeta</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>Tras la vista previa, la columna «Nuevo nombre» muestra el nuevo nombre de cada archivo.</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Progreso del archivo</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>Cuánto del archivo que se copia está hecho.</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>Cuánto del trabajo entero está hecho.</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>Modo de nombrado</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>La carpeta donde se escriben las copias.</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>Un archivo de texto con líneas número|título|cantante.</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>Muestra los nuevos nombres en la columna «Nuevo nombre»; pulsado otra vez, los oculta.</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>Copia los archivos con sus nuevos nombres en la carpeta de salida.</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>Cuántas copias del último trabajo fallaron.</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>«Convertir» nombra los archivos según una lista de canciones; «Renombrar» intercambia título y artista; «Etiquetas» los nombra según sus propias etiquetas.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>El nombre nuevo, con campos de etiqueta entre llaves como {title} y {artist}.</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>Problema del formato</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>Por qué el formato no puede nombrar los archivos, si no puede.</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>No se copiará</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>Se copiará como: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Modificado</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2} rellena el número de pista a dos cifras; el texto fuera de las llaves se conserva</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>artista del álbum</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>número de pista</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>número de disco</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>artista</translation>
    </message>
    <message>
        <source>album</source>
        <translation>álbum</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>género</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>El formato está vacío.</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>El formato tiene una { que ninguna } cierra.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>«%1» no es un campo de etiqueta. Los campos son %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>«%1»: solo {track} y {disc} admiten un ancho.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>«%1»: un ancho es un número hasta %2, como en {track:2}.</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>No es un archivo de audio que tamro pueda leer.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>No se puede leer: %1.</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>No tiene etiquetas.</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>Sus etiquetas no tienen %1.</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>No se puede descodificar %1 de sus etiquetas.</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>No se pudo descodificar el nuevo nombre.</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>Ya copiado.</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>Errores : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>Deshacer la última conversión…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>&amp;Acerca de tamro...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>Se pidió a tamro abrir una ruta que no existe:
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>Hay un trabajo en curso, así que nada de lo que lee puede cambiar ahora. Suéltelo otra vez cuando el trabajo haya terminado.</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>Aquí solo se pueden soltar archivos y carpetas de este equipo, no:
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>La ruta soltada no existe:
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>La carpeta de salida debe ser una carpeta, no:
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>La carpeta actual es:</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>La carpeta de salida no existe. ¿Crearla?</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>Introduzca una ruta.</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>Introduzca la ruta de salida.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>Renombrar</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… y %n más</numerusform>
            <numerusform>
… y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copias</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>No se deshizo nada.
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>No se puede deshacer nada.
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Eliminadas: %1.</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>Se dejaron:</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>Estas se quedan:</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>Nada que deshacer: la última conversión no copió nada.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>Se eliminarán:</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 copia</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>Omitir los archivos ya copiados</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>¿Copiar de todos modos? Lo que no quepa fallará al llegar su turno.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>¿Deshacer la última conversión (%1, en %2, %3 hechas): quitar %4 de la carpeta de salida?</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Escribiendo en el soporte…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro, versión 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 los autores de tamro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5: Actualizar</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>Carpeta de salida :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>archivo :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>total :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>Lista :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>Renombrar archivos según un archivo de texto</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>Usar como carpeta de &amp;origen</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>ejemplo )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>Título - Artista   -&gt;   Artista - Título</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>Artista - Título   -&gt;   Título - Artista</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>Elegir la lista de canciones</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>Acerca de tamro</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>Conversión de canciones</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>Renombrar archivos según sus etiquetas</translation>
    </message>
    <message>
        <source>Format :</source>
        <translation>Formato :</translation>
    </message>
</context>
<context>
    <name>NamingRule</name>
    <message>
        <source>No line of the song list has its number.</source>
        <translation>Ninguna línea de la lista tiene su número.</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>Su nombre no tiene un guion para intercambiar.</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>Sus etiquetas no le dan un nombre nuevo.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>No se puede usar la carpeta de salida.
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro no puede escribir en ella: %1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>No es una carpeta.</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>No se pudo crear la carpeta de salida.
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>Los archivos que copiar necesitan %1, pero %2 solo tiene %3 libres.</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>El archivo más grande que copiar ocupa %1, pero el sistema de archivos de %2 no admite archivos de %3 o más.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>Completado.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>Falló %n copia.</numerusform>
            <numerusform>Fallaron %n copias.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>Los motivos están en %1</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>Los registros de este trabajo están incompletos.</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>Falló 1 copia.</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>Puede que no todas las copias estén ya en el soporte: %1. Déjelo conectado y compruebe las copias antes de confiar en ellas.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>es un enlace a otro archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>lo está usando otro tamro en marcha</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>Otro tamro en marcha está usando los registros de %1. Espere a que termine su trabajo o inicie tamro desde otra carpeta.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>No se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>No se pudo escribir %1 por completo: %2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>no existe (allí no se ha hecho ninguna conversión)</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>es un enlace, no un registro escrito por tamro</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>una conversión todavía lo está escribiendo; espere a que termine</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>No se puede leer %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1 no es un registro de tamro: no es texto UTF-16</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>No se pudo descodificar el nuevo nombre; este archivo no se copiará.</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>Un archivo posterior de esta ejecución tiene el mismo nombre nuevo.</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>Un archivo anterior de esta ejecución tiene el mismo nombre nuevo.</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>El intercambio conserva dos partes del nombre y descarta %1.</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>Se quitan los caracteres que un nombre de archivo no puede tener (\ / : * ? &quot; &lt; &gt; | y caracteres de control).</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>El nombre es demasiado largo para la carpeta de salida y se acorta.</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1 ya lo usa un archivo anterior de esta ejecución.</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1 ya está en la carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>la última línea está cortada</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>está vacío o cortado</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>no es un registro de ejecución de tamro (o es de un tamro más nuevo)</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>sin id de ejecución</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>sin hora</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>sin carpeta de registros</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>más de lo que cabe en una cabecera</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>una carpeta de salida dañada</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>una carpeta de origen dañada</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>una copia dañada</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>una línea desconocida</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>una copia que la ejecución no hizo</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>No se puede examinar %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1 es demasiado grande para un registro de ejecución.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>No hay ninguna ejecución %1 registrada.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 está dañado: %2.</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>nombra otra ejecución</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>Otro deshacer de la ejecución %1 está en curso; espere a que termine.</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>La ejecución %1 no se puede tomar para deshacer: %2.</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>No se pudo escribir %1/%2/%3, así que el registro no dice qué se quitó: %4.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>La ejecución no se puede registrar, así que no se podrá deshacer: %1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>La ejecución no se puede registrar, así que no se podrá deshacer: no se puede crear %1/%2: %3.</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>La ejecución no se puede registrar: no hay ningún id de ejecución libre.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>La ejecución no se puede registrar, así que no se podrá deshacer: no se puede escribir %1/%2: %3.</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>no se puede abrir su carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>No se pudo registrar la copia %1, así que no se podrá deshacer: %2.</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>No se pudo escribir %1/%2, así que las copias que lista no se podrán deshacer: %3.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1 pertenece a otro usuario, así que tamro no confía en los registros de ejecución de allí.</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1 lo pueden escribir otros usuarios, así que tamro no confía en los registros de ejecución de allí.</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1 es un enlace o no es una carpeta, así que tamro no confía en los registros de ejecución de allí.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1 no es un archivo normal, así que tamro no confía en él como registro de ejecución.</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>No se puede crear %1: %2.</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>no se pudo examinar</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>No hay ninguna ejecución %1 registrada.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>No hay ninguna ejecución de tamro registrada para %1.</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>La última ejecución de tamro para %1 (ejecución %2) ya está deshecha, desde %3.</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>La ejecución %1 ya está deshecha, desde %2.</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>el registro de la ejecución no tiene esa copia</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>No se puede leer: %1.</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>No tiene ninguna línea de la forma número|título|cantante.</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>No se ha elegido ninguna lista de canciones.</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>No se puede usar la lista de canciones: %1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 no es un archivo de texto.</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>La carpeta de salida %1 no existe. Indique --create-output para crearla.</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>No se puede listar la carpeta de origen %1: %2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>No se puede usar la carpeta de registros %1: %2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>La ejecución se canceló antes de este archivo.</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern necesita --source FOLDER.</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run es de undo.</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert necesita --output FOLDER.</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output es de convert.</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview es de convert.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>Modo de lista de canciones, con esta lista.</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>Modo de patrón: intercambiar título y artista.</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>La carpeta cuyos archivos se renombran.</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>La carpeta de salida (en preview: muestra los nombres finales).</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>Crea la carpeta de salida si falta (si no, convert termina con estado 2).</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>Dónde están InfoLog.txt y ErrorLog.txt.</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>Un objeto JSON por línea y archivo.</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo: lista lo que quitaría.</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert: copia con los nombres que muestra una vista previa, como la ventana tras la vista previa (sus líneas de registro los nombran entonces con sus extensiones).</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview, convert o undo.</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>Indique una orden: preview, convert o undo.</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(como %1)</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FALLÓ: %1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>archivo %1 de %2  %3 de %4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  faltan %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>se detiene tras el archivo en curso; otro Ctrl-C lo abandona</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>Indica una de --song-list, --pattern y --tags, no dos.</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>Indica --song-list LIST, --pattern o --tags.</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags necesita --source FOLDER.</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format va con --tags.</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>Modo etiquetas: nombres a partir de las propias etiquetas de los archivos.</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>El formato de nombre de --tags (por omisión: {title}-{artist}).</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>Indique --no-room-check para copiar de todos modos.</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Escribiendo en el soporte…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check corresponde a convert.</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert: copia aunque la ejecución no quepa en el soporte de la carpeta de salida (si no, convert termina con el estado 2).</translation>
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
        <translation>Da nombres nuevos a archivos de canciones copiándolos en una carpeta de salida, sin ventana.

Órdenes:
  preview --song-list LIST [--source FOLDER]   el nombre nuevo de cada archivo
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] copiar con los nombres nuevos
  undo [--log-dir DIR | --run ID] [--dry-run]  quitar las copias de la última ejecución
  undo --list                                  las ejecuciones registradas, la más reciente primero

Sin indicarla, la carpeta de origen es la de la lista de canciones. Los
archivos se toman como los muestra la ventana: solo archivos, sin los ocultos,
en orden natural de nombre.
--tags nombra cada archivo según sus propias etiquetas, por omisión como
{title}-{artist}; los campos son {title} {artist} {album} {albumartist}
{track} {disc} {year} y {genre}, y {track:2} rellena el número de pista a
dos cifras.
 Una copia nunca reemplaza nada y ningún archivo de
origen se modifica jamás. Convert escribe InfoLog.txt y ErrorLog.txt en la
carpeta de trabajo (o --log-dir). Ctrl-C cancela tras el archivo en curso; un
segundo Ctrl-C abandona también ese archivo y quita su copia parcial.

Cada conversión registra las copias que hizo en la carpeta de estado propia del
usuario ($XDG_STATE_HOME/tamro/runs). Undo deshace la última ejecución cuyos
registros se escribieron en la carpeta de registros (o la ejecución ID de --list):
quita cada copia registrada que sigue siendo el mismo archivo que hizo la
ejecución, en su carpeta de salida, con los bytes de su origen; lo demás se deja,
y se dice por qué. Los registros son para personas: una carpeta con registros y
sin grabación no deshace nada.

Estado de salida: 0 todas las copias salieron bien (undo: todas quitadas), 1
fallaron algunas copias (undo: quedaron algunas), 2 uso incorrecto o lista,
formato, carpeta o registro inservible, 130 cancelado con Ctrl-C.</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo solo admite --log-dir, --run, --list y --dry-run.</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list no admite ninguna otra opción.</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>Indique --run o --log-dir, no ambos.</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list y --run son de undo.</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo: lista las ejecuciones registradas, la más reciente primero.</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo: deshace esta ejecución (un id de --list).</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run necesita el id de una ejecución.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>No hay ninguna ejecución de tamro registrada.</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>(su registro no se puede leer: %1)</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>sin deshacer</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>deshecha</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>deshecha en parte (quedan %1)</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 copia</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copias</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>Omite un archivo cuyo nuevo nombre en la carpeta de salida ya contiene exactamente sus bytes (preview lo marca como identical).</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>Da nombres nuevos a archivos de canciones copiándolos en una carpeta de salida.
PATH puede ser una carpeta, mostrada como carpeta de origen, o una lista de
canciones.

Cada conversión escribe sus registros, InfoLog.txt y ErrorLog.txt, en la
carpeta desde la que se inició tamro (iniciado desde un menú del escritorio,
es la carpeta personal).</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>Una carpeta o una lista de canciones que abrir.</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>Indique como mucho un PATH.</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>Pruebe &apos;tamro --help&apos;.</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>no se pudo leer su origen: %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>se modificó después de la copia</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>no se puede abrir su carpeta: %1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>no se puede examinar: %1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>en su lugar hay un enlace</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ya no es un archivo normal</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>su origen ya no está</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>no se puede leer su origen: %1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>su origen ya no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>se reemplazó mientras se comprobaba</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>es su propio origen, no una copia</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>no se pudo quitar: %1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>el deshacer se canceló antes de comprobarla</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>ya no es igual a su origen</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>su carpeta ya no existe</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>hay un enlace en el lugar de su carpeta</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>hay otra carpeta en el lugar de su carpeta</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>hay otro archivo en su lugar</translation>
    </message>
</context>
</TS>
