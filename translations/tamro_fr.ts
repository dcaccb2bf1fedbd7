<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The folder chosen here is listed beside it.</source>
        <translation>Le dossier choisi ici est listé à côté.</translation>
    </message>
    <message>
        <source>Files of the folder</source>
        <translation>Fichiers du dossier</translation>
    </message>
    <message>
        <source>After Preview, the Rename column holds each file&apos;s new name.</source>
        <translation>Après l’aperçu, la colonne « Nouveau nom » donne le nouveau nom de chaque fichier.</translation>
    </message>
    <message>
        <source>File progress</source>
        <translation>Progression du fichier</translation>
    </message>
    <message>
        <source>How much of the file being copied is done.</source>
        <translation>La part déjà copiée du fichier en cours.</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>How much of the whole job is done.</source>
        <translation>La part déjà faite de toute la tâche.</translation>
    </message>
    <message>
        <source>Naming mode</source>
        <translation>Mode de nommage</translation>
    </message>
    <message>
        <source>The folder the copies are written into.</source>
        <translation>Le dossier où les copies sont écrites.</translation>
    </message>
    <message>
        <source>A text file of lines number|title|singer.</source>
        <translation>Un fichier texte de lignes numéro|titre|chanteur.</translation>
    </message>
    <message>
        <source>Shows the new names in the Rename column; pressed again, hides them.</source>
        <translation>Affiche les nouveaux noms dans la colonne « Nouveau nom » ; pressé à nouveau, les masque.</translation>
    </message>
    <message>
        <source>Copies the files under their new names into the output folder.</source>
        <translation>Copie les fichiers sous leurs nouveaux noms dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>How many copies of the last job failed.</source>
        <translation>Combien de copies de la dernière tâche ont échoué.</translation>
    </message>
    <message>
        <source>Convert names the files from a song list; Rename swaps title and artist; Tags names them from their own tags.</source>
        <translation>« Convertir » nomme les fichiers d’après une liste de titres ; « Renommer » échange titre et artiste ; « Étiquettes » les nomme d’après leurs propres étiquettes.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The new name, with tag fields in braces such as {title} and {artist}.</source>
        <translation>Le nouveau nom, avec des champs d’étiquette entre accolades comme {title} et {artist}.</translation>
    </message>
    <message>
        <source>Format problem</source>
        <translation>Problème du format</translation>
    </message>
    <message>
        <source>Why the format cannot name the files, if it cannot.</source>
        <translation>Pourquoi le format ne peut pas nommer les fichiers, s’il ne le peut pas.</translation>
    </message>
</context>
<context>
    <name>CFileListModel</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Will not be copied</source>
        <translation>Ne sera pas copié</translation>
    </message>
    <message>
        <source>Will be copied as: %1</source>
        <translation>Sera copié sous le nom : %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Modifié le</translation>
    </message>
</context>
<context>
    <name>CTabTags</name>
    <message>
        <source>{track:2} pads the track&apos;s number to two digits; text outside braces is kept</source>
        <translation>{track:2} complète le numéro de piste à deux chiffres ; le texte hors des accolades est gardé</translation>
    </message>
</context>
<context>
    <name>CTabUseTextFile</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CTagFormat</name>
    <message>
        <source>album artist</source>
        <translation>artiste de l’album</translation>
    </message>
    <message>
        <source>track number</source>
        <translation>numéro de piste</translation>
    </message>
    <message>
        <source>disc number</source>
        <translation>numéro de disque</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>artiste</translation>
    </message>
    <message>
        <source>album</source>
        <translation>album</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>genre</source>
        <translation>genre</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The format is empty.</source>
        <translation>Le format est vide.</translation>
    </message>
    <message>
        <source>The format has a { that no } closes.</source>
        <translation>Le format a une { qu’aucune } ne ferme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tag field. The fields are %2.</source>
        <translation>« %1 » n’est pas un champ d’étiquette. Les champs sont %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: only {track} and {disc} take a width.</source>
        <translation>« %1 » : seuls {track} et {disc} prennent une largeur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a width is a number up to %2, as in {track:2}.</source>
        <translation>« %1 » : une largeur est un nombre jusqu’à %2, comme dans {track:2}.</translation>
    </message>
    <message>
        <source>It is not an audio file tamro can read.</source>
        <translation>Ce n’est pas un fichier audio que tamro sait lire.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Il ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>It has no tags.</source>
        <translation>Il n’a pas d’étiquettes.</translation>
    </message>
    <message>
        <source>Its tags have %1.</source>
        <translation>Ses étiquettes n’ont %1.</translation>
    </message>
    <message>
        <source>no %1</source>
        <translation>pas de %1</translation>
    </message>
    <message>
        <source>The %1 in its tags cannot be decoded.</source>
        <translation>%1 de ses étiquettes ne peut pas être décodé.</translation>
    </message>
</context>
<context>
    <name>ConvertPass</name>
    <message>
        <source>The new name could not be decoded.</source>
        <translation>Le nouveau nom n’a pas pu être décodé.</translation>
    </message>
    <message>
        <source>Already copied.</source>
        <translation>Déjà copié.</translation>
    </message>
</context>
<context>
    <name>CtamroDlg</name>
    <message>
        <source>Error : %1</source>
        <translation>Erreurs : %1</translation>
    </message>
    <message>
        <source>Undo last convert…</source>
        <translation>Annuler la dernière conversion…</translation>
    </message>
    <message>
        <source>&amp;About tamro...</source>
        <translation>À &amp;propos de tamro...</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the column of new names</comment>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the button</comment>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>tamro was asked to open a path that does not exist:
</source>
        <translation>tamro devait ouvrir un chemin qui n’existe pas :
</translation>
    </message>
    <message>
        <source>A job is running, so nothing it reads may change now. Drop it again when the job has ended.</source>
        <translation>Une tâche est en cours : rien de ce qu’elle lit ne doit changer maintenant. Déposez-le à nouveau quand la tâche sera terminée.</translation>
    </message>
    <message>
        <source>Only files and folders of this computer can be dropped here, not:
</source>
        <translation>Seuls les fichiers et dossiers de cet ordinateur peuvent être déposés ici, pas :
</translation>
    </message>
    <message>
        <source>The dropped path does not exist:
</source>
        <translation>Le chemin déposé n’existe pas :
</translation>
    </message>
    <message>
        <source>The output folder must be a folder, not:
</source>
        <translation>Le dossier de sortie doit être un dossier, pas :
</translation>
    </message>
    <message>
        <source>Current folder is:</source>
        <translation>Le dossier actuel est :</translation>
    </message>
    <message>
        <source>The output folder does not exist. Create it?</source>
        <translation>Le dossier de sortie n’existe pas. Le créer ?</translation>
    </message>
    <message>
        <source>Please input a path.</source>
        <translation>Veuillez saisir un chemin.</translation>
    </message>
    <message>
        <source>Please input the output path.</source>
        <translation>Veuillez saisir le chemin de sortie.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the button</comment>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>the tab of the song-list mode</comment>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>the tab of the pattern mode</comment>
        <translation>Renommer</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… et %n autre</numerusform>
            <numerusform>
… et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copie</numerusform>
            <numerusform>%n copies</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was undone.
</source>
        <translation>Rien n’a été annulé.
</translation>
    </message>
    <message>
        <source>Nothing can be undone.
</source>
        <translation>Rien ne peut être annulé.
</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Supprimé : %1.</translation>
    </message>
    <message>
        <source>Left standing:</source>
        <translation>Laissés en place :</translation>
    </message>
    <message>
        <source>These stay:</source>
        <translation>Ceux-ci restent :</translation>
    </message>
    <message>
        <source>Nothing to undo: the last convert job copied nothing.</source>
        <translation>Rien à annuler : la dernière conversion n’a rien copié.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>To be removed:</source>
        <translation>À supprimer :</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 copie</translation>
    </message>
    <message>
        <source>Tags</source>
        <comment>the tab of the tag mode</comment>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Skip files already copied</source>
        <translation>Ignorer les fichiers déjà copiés</translation>
    </message>
    <message>
        <source>Copy anyway? What does not fit fails when it is reached.</source>
        <translation>Copier quand même ? Ce qui ne tient pas échouera quand son tour viendra.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Undo last convert (%1, into %2, %3 made): remove %4 from the output folder?</source>
        <translation>Annuler la dernière conversion (%1, vers %2, %3 faites) : supprimer %4 du dossier de sortie ?</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Écriture sur le support…</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>tamro, Version 1.0</source>
        <translation>tamro, version 1.0</translation>
    </message>
    <message>
        <source>© 2026 the tamro developers</source>
        <translation>© 2026 les auteurs de tamro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>F5: Refresh</source>
        <translation>F5 : Actualiser</translation>
    </message>
    <message>
        <source>Song Source Folder</source>
        <translation>Dossier source des titres</translation>
    </message>
    <message>
        <source>Output Folder :</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>file :</source>
        <translation>fichier :</translation>
    </message>
    <message>
        <source>total :</source>
        <translation>total :</translation>
    </message>
    <message>
        <source>Songlist file :</source>
        <translation>Fichier liste :</translation>
    </message>
    <message>
        <source>Rename files using text file</source>
        <translation>Renommer d’après un fichier texte</translation>
    </message>
    <message>
        <source>Set Song &amp;Source Folder</source>
        <translation>Utiliser comme dossier &amp;source</translation>
    </message>
    <message>
        <source>example )</source>
        <translation>exemple )</translation>
    </message>
    <message>
        <source>Title - Artist   -&gt;   Artist - Title</source>
        <translation>Titre - Artiste   -&gt;   Artiste - Titre</translation>
    </message>
    <message>
        <source>Artist - Title   -&gt;   Title - Artist</source>
        <translation>Artiste - Titre   -&gt;   Titre - Artiste</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Choose the song-list file</source>
        <translation>Choisir la liste de titres</translation>
    </message>
    <message>
        <source>About tamro</source>
        <translation>À propos de tamro</translation>
    </message>
    <message>
        <source>Song file convert</source>
        <translation>Conversion de fichiers audio</translation>
    </message>
    <message>
        <source>Rename files using their tags</source>
        <translation>Renommer les fichiers d’après leurs étiquettes</translation>
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
        <translation>Aucune ligne de la liste ne porte son numéro.</translation>
    </message>
    <message>
        <source>Its name has no hyphen to swap around.</source>
        <translation>Son nom n’a pas de tiret autour duquel échanger.</translation>
    </message>
    <message>
        <source>Its tags give it no new name.</source>
        <translation>Ses étiquettes ne lui donnent pas de nouveau nom.</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>The output folder cannot be used.
%1
%2</source>
        <translation>Le dossier de sortie est inutilisable.
%1
%2</translation>
    </message>
    <message>
        <source>tamro may not write into it: %1</source>
        <translation>tamro ne peut pas y écrire : %1</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Ce n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The output folder could not be created.
%1
%2</source>
        <translation>Le dossier de sortie n’a pas pu être créé.
%1
%2</translation>
    </message>
</context>
<context>
    <name>RoomCheck</name>
    <message>
        <source>The files to copy need %1, but %2 has only %3 free.</source>
        <translation>Les fichiers à copier demandent %1, mais %2 n’a que %3 de libre.</translation>
    </message>
    <message>
        <source>The largest file to copy is %1, but the file system of %2 holds no file of %3 or more.</source>
        <translation>Le plus gros fichier à copier fait %1, mais le système de fichiers de %2 n’accepte aucun fichier de %3 ou plus.</translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>Terminé.</translation>
    </message>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>%n copie a échoué.</numerusform>
            <numerusform>%n copies ont échoué.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reasons are in %1</source>
        <translation>Les raisons sont dans %1</translation>
    </message>
    <message>
        <source>The run logs of this job are incomplete.</source>
        <translation>Les journaux de cette tâche sont incomplets.</translation>
    </message>
    <message>
        <source>1 copy failed.</source>
        <translation>1 copie a échoué.</translation>
    </message>
    <message>
        <source>The copies may not all be on the medium yet: %1. Keep it plugged in and check the copies before relying on them.</source>
        <translation>Les copies ne sont peut-être pas encore toutes sur le support : %1. Laissez-le branché et vérifiez les copies avant de vous y fier.</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>it is a link to another file</source>
        <translation>c’est un lien vers un autre fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is in use by another running tamro</source>
        <translation>un autre tamro en cours l’utilise</translation>
    </message>
    <message>
        <source>The run logs in %1 are in use by another running tamro. Wait until its job has ended, or start tamro from another folder.</source>
        <translation>Un autre tamro en cours utilise les journaux de %1. Attendez la fin de sa tâche ou lancez tamro depuis un autre dossier.</translation>
    </message>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>%1 n’a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>%1 could not be written completely: %2</source>
        <translation>%1 n’a pas pu être écrit en entier : %2</translation>
    </message>
</context>
<context>
    <name>RunLogReader</name>
    <message>
        <source>it does not exist (no convert job has run there)</source>
        <translation>il n’existe pas (aucune conversion n’y a eu lieu)</translation>
    </message>
    <message>
        <source>it is a link, not a log tamro wrote</source>
        <translation>c’est un lien, pas un journal écrit par tamro</translation>
    </message>
    <message>
        <source>a convert job is still writing it; wait until the job has ended</source>
        <translation>une conversion l’écrit encore ; attendez qu’elle soit terminée</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 est illisible : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a regular file</source>
        <translation>%1 est illisible : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a run log of tamro: it is not UTF-16 text</source>
        <translation>%1 n’est pas un journal de tamro : ce n’est pas du texte UTF-16</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <source>The new name could not be decoded; this file will not be copied.</source>
        <translation>Le nouveau nom n’a pas pu être décodé ; ce fichier ne sera pas copié.</translation>
    </message>
    <message>
        <source>A later file of this run has the same new name.</source>
        <translation>Un fichier suivant de cette exécution a le même nouveau nom.</translation>
    </message>
    <message>
        <source>An earlier file of this run has the same new name.</source>
        <translation>Un fichier précédent de cette exécution a le même nouveau nom.</translation>
    </message>
    <message>
        <source>The swap keeps two parts of the name and drops %1.</source>
        <translation>L’échange garde deux parties du nom et abandonne %1.</translation>
    </message>
    <message>
        <source>Characters a file name must not hold (\ / : * ? &quot; &lt; &gt; | and control characters) are removed.</source>
        <translation>Les caractères interdits dans un nom de fichier (\ / : * ? &quot; &lt; &gt; | et caractères de contrôle) sont supprimés.</translation>
    </message>
    <message>
        <source>The name is too long for the output folder and is shortened.</source>
        <translation>Le nom est trop long pour le dossier de sortie et il est raccourci.</translation>
    </message>
    <message>
        <source>%1 is taken by an earlier file of this run.</source>
        <translation>%1 est déjà pris par un fichier précédent de cette exécution.</translation>
    </message>
    <message>
        <source>%1 already stands in the output folder.</source>
        <translation>%1 existe déjà dans le dossier de sortie.</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the last line is cut short</source>
        <translation>la dernière ligne est tronquée</translation>
    </message>
    <message>
        <source>it is empty or cut short</source>
        <translation>il est vide ou tronqué</translation>
    </message>
    <message>
        <source>it is not a run record of tamro (or one of a newer tamro)</source>
        <translation>ce n’est pas un registre d’exécution de tamro (ou c’est celui d’un tamro plus récent)</translation>
    </message>
    <message>
        <source>no run id</source>
        <translation>pas d’identifiant d’exécution</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>pas d’heure</translation>
    </message>
    <message>
        <source>no log folder</source>
        <translation>pas de dossier des journaux</translation>
    </message>
    <message>
        <source>more than a header holds</source>
        <translation>plus que ce que contient un en-tête</translation>
    </message>
    <message>
        <source>a damaged output folder</source>
        <translation>un dossier de sortie endommagé</translation>
    </message>
    <message>
        <source>a damaged source folder</source>
        <translation>un dossier source endommagé</translation>
    </message>
    <message>
        <source>a damaged copy</source>
        <translation>une copie endommagée</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>une ligne inconnue</translation>
    </message>
    <message>
        <source>a copy the run did not make</source>
        <translation>une copie que l’exécution n’a pas faite</translation>
    </message>
    <message>
        <source>%1 cannot be looked at: %2.</source>
        <translation>%1 ne peut pas être examiné : %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a run record.</source>
        <translation>%1 est trop grand pour un registre d’exécution.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>Aucune exécution %1 n’est enregistrée.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 est endommagé : %2.</translation>
    </message>
    <message>
        <source>it names another run</source>
        <translation>il nomme une autre exécution</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>il manque</translation>
    </message>
    <message>
        <source>Another undo of run %1 is under way; wait until it has ended.</source>
        <translation>Une autre annulation de l’exécution %1 est en cours ; attendez qu’elle soit terminée.</translation>
    </message>
    <message>
        <source>Run %1 cannot be taken for undo: %2.</source>
        <translation>L’exécution %1 ne peut pas être prise pour l’annulation : %2.</translation>
    </message>
    <message>
        <source>%1/%2/%3 could not be written, so the record does not say what went: %4.</source>
        <translation>%1/%2/%3 n’a pas pu être écrit, le registre ne dit donc pas ce qui a été supprimé : %4.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1</source>
        <translation>L’exécution ne peut pas être enregistrée, elle ne pourra donc pas être annulée : %1</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be created: %3.</source>
        <translation>L’exécution ne peut pas être enregistrée, elle ne pourra donc pas être annulée : %1/%2 ne peut pas être créé : %3.</translation>
    </message>
    <message>
        <source>The run cannot be recorded: no free run id.</source>
        <translation>L’exécution ne peut pas être enregistrée : aucun identifiant d’exécution libre.</translation>
    </message>
    <message>
        <source>The run cannot be recorded, so it cannot be undone: %1/%2 cannot be written: %3.</source>
        <translation>L’exécution ne peut pas être enregistrée, elle ne pourra donc pas être annulée : %1/%2 ne peut pas être écrit : %3.</translation>
    </message>
    <message>
        <source>its folder cannot be opened</source>
        <translation>son dossier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The copy %1 could not be recorded, so it cannot be undone: %2.</source>
        <translation>La copie %1 n’a pas pu être enregistrée, elle ne pourra donc pas être annulée : %2.</translation>
    </message>
    <message>
        <source>%1/%2 could not be written, so the copies it lists cannot be undone: %3.</source>
        <translation>%1/%2 n’a pas pu être écrit, les copies qu’il liste ne pourront donc pas être annulées : %3.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so tamro does not trust the run records there.</source>
        <translation>%1 appartient à un autre utilisateur, tamro ne se fie donc pas aux registres d’exécution qui s’y trouvent.</translation>
    </message>
    <message>
        <source>%1 can be written by other users, so tamro does not trust the run records there.</source>
        <translation>%1 peut être modifié par d’autres utilisateurs, tamro ne se fie donc pas aux registres d’exécution qui s’y trouvent.</translation>
    </message>
    <message>
        <source>%1 is a link or not a folder, so tamro does not trust the run records there.</source>
        <translation>%1 est un lien ou n’est pas un dossier, tamro ne se fie donc pas aux registres d’exécution qui s’y trouvent.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so tamro does not trust it as a run record.</source>
        <translation>%1 n’est pas un fichier ordinaire, tamro ne s’y fie donc pas comme registre d’exécution.</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2.</source>
        <translation>%1 ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>it could not be examined</source>
        <translation>il n’a pas pu être examiné</translation>
    </message>
</context>
<context>
    <name>RunUndo</name>
    <message>
        <source>No run %1 is recorded.</source>
        <translation>Aucune exécution %1 n’est enregistrée.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded for %1.</source>
        <translation>Aucune exécution de tamro n’est enregistrée pour %1.</translation>
    </message>
    <message>
        <source>The last run of tamro for %1 (run %2) is already undone, since %3.</source>
        <translation>La dernière exécution de tamro pour %1 (exécution %2) est déjà annulée, depuis %3.</translation>
    </message>
    <message>
        <source>Run %1 is already undone, since %2.</source>
        <translation>L’exécution %1 est déjà annulée, depuis %2.</translation>
    </message>
    <message>
        <source>the run&apos;s record holds no such copy</source>
        <translation>le registre de l’exécution ne contient pas cette copie</translation>
    </message>
</context>
<context>
    <name>SongListCheck</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Il est illisible : %1.</translation>
    </message>
    <message>
        <source>It has no line of the form number|title|singer.</source>
        <translation>Il n’a aucune ligne de la forme numéro|titre|chanteur.</translation>
    </message>
    <message>
        <source>No song list file is chosen.</source>
        <translation>Aucune liste de titres n’est choisie.</translation>
    </message>
    <message>
        <source>The song list cannot be used: %1
%2</source>
        <translation>La liste de titres est inutilisable : %1
%2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 n’est pas un fichier texte.</translation>
    </message>
</context>
<context>
    <name>TamroCli</name>
    <message>
        <source>Not a folder</source>
        <translation>Pas un dossier</translation>
    </message>
    <message>
        <source>The output folder %1 does not exist. Give --create-output to have it created.</source>
        <translation>Le dossier de sortie %1 n’existe pas. Donnez --create-output pour le créer.</translation>
    </message>
    <message>
        <source>The source folder %1 cannot be listed: %2</source>
        <translation>Le dossier source %1 ne peut pas être listé : %2</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be used: %2</source>
        <translation>Le dossier des journaux %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>The run was cancelled before this file.</source>
        <translation>L’exécution a été annulée avant ce fichier.</translation>
    </message>
    <message>
        <source>--pattern needs --source FOLDER.</source>
        <translation>--pattern demande --source FOLDER.</translation>
    </message>
    <message>
        <source>--dry-run belongs to undo.</source>
        <translation>--dry-run va avec undo.</translation>
    </message>
    <message>
        <source>convert needs --output FOLDER.</source>
        <translation>convert demande --output FOLDER.</translation>
    </message>
    <message>
        <source>--create-output belongs to convert.</source>
        <translation>--create-output va avec convert.</translation>
    </message>
    <message>
        <source>--from-preview belongs to convert.</source>
        <translation>--from-preview va avec convert.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et termine.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et termine.</translation>
    </message>
    <message>
        <source>Song-list mode, with this song list.</source>
        <translation>Mode liste de titres, avec cette liste.</translation>
    </message>
    <message>
        <source>Pattern mode: swap title and artist.</source>
        <translation>Mode motif : échanger titre et artiste.</translation>
    </message>
    <message>
        <source>The folder whose files are renamed.</source>
        <translation>Le dossier dont les fichiers sont renommés.</translation>
    </message>
    <message>
        <source>The output folder (for preview: shows the final names).</source>
        <translation>Le dossier de sortie (pour preview : montre les noms définitifs).</translation>
    </message>
    <message>
        <source>Creates a missing output folder (else convert ends with status 2).</source>
        <translation>Crée le dossier de sortie manquant (sinon convert termine avec le code 2).</translation>
    </message>
    <message>
        <source>Where InfoLog.txt and ErrorLog.txt are.</source>
        <translation>Où se trouvent InfoLog.txt et ErrorLog.txt.</translation>
    </message>
    <message>
        <source>One JSON object per line and file.</source>
        <translation>Un objet JSON par ligne et par fichier.</translation>
    </message>
    <message>
        <source>undo: lists what it would remove.</source>
        <translation>undo : liste ce qu’il supprimerait.</translation>
    </message>
    <message>
        <source>convert: copies under the names a preview shows, as the window does after Preview (its log lines then name them with their extensions).</source>
        <translation>convert : copie sous les noms que montre un aperçu, comme la fenêtre après l’aperçu (ses lignes de journal les nomment alors avec leurs extensions).</translation>
    </message>
    <message>
        <source>preview, convert or undo.</source>
        <translation>preview, convert ou undo.</translation>
    </message>
    <message>
        <source>Give one command: preview, convert or undo.</source>
        <translation>Donnez une commande : preview, convert ou undo.</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(sous le nom %1)</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>ÉCHEC : %1</translation>
    </message>
    <message>
        <source>file %1 of %2  %3 of %4</source>
        <translation>fichier %1 sur %2  %3 sur %4</translation>
    </message>
    <message>
        <source>%1/s  %2 left</source>
        <translation>%1/s  reste %2</translation>
    </message>
    <message>
        <source>stopping after the file under way; Ctrl-C again gives it up</source>
        <translation>arrêt après le fichier en cours ; un autre Ctrl-C l’abandonne</translation>
    </message>
    <message>
        <source>Give one of --song-list, --pattern and --tags, not two.</source>
        <translation>Donnez une option parmi --song-list, --pattern et --tags, pas deux.</translation>
    </message>
    <message>
        <source>Give --song-list LIST, --pattern or --tags.</source>
        <translation>Donnez --song-list LIST, --pattern ou --tags.</translation>
    </message>
    <message>
        <source>--tags needs --source FOLDER.</source>
        <translation>--tags demande --source FOLDER.</translation>
    </message>
    <message>
        <source>--format belongs to --tags.</source>
        <translation>--format va avec --tags.</translation>
    </message>
    <message>
        <source>Tag mode: names from the files&apos; own tags.</source>
        <translation>Mode étiquettes : des noms tirés des propres étiquettes des fichiers.</translation>
    </message>
    <message>
        <source>The name format of --tags (default: {title}-{artist}).</source>
        <translation>Le format de nom de --tags (par défaut : {title}-{artist}).</translation>
    </message>
    <message>
        <source>Give --no-room-check to copy anyway.</source>
        <translation>Indiquez --no-room-check pour copier quand même.</translation>
    </message>
    <message>
        <source>Writing to the medium…</source>
        <translation>Écriture sur le support…</translation>
    </message>
    <message>
        <source>--no-room-check belongs to convert.</source>
        <translation>--no-room-check s’emploie avec convert.</translation>
    </message>
    <message>
        <source>convert: copies even when the run does not fit the output folder&apos;s medium (else convert ends with status 2).</source>
        <translation>convert : copie même si l’exécution ne tient pas sur le support du dossier de sortie (sinon convert se termine avec le code 2).</translation>
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
        <translation>Donne de nouveaux noms à des fichiers audio en les copiant dans un dossier de sortie, sans fenêtre.

Commandes :
  preview --song-list LIST [--source FOLDER]   le nouveau nom de chaque fichier
  preview --pattern --source FOLDER
  preview --tags [--format FORMAT] --source FOLDER
  convert ... --output FOLDER [--from-preview] copier sous les nouveaux noms
  undo [--log-dir DIR | --run ID] [--dry-run]  supprimer les copies de la dernière exécution
  undo --list                                  les exécutions enregistrées, la plus récente d’abord

Par défaut, le dossier source est celui de la liste de titres. Les fichiers
sont pris comme la fenêtre les liste : fichiers seulement, sans les fichiers
cachés, dans l’ordre naturel des noms.
--tags nomme chaque fichier d’après ses propres étiquettes, par défaut
{title}-{artist} ; les champs sont {title} {artist} {album} {albumartist}
{track} {disc} {year} et {genre}, et {track:2} complète le numéro de piste
à deux chiffres.
 Une copie ne remplace jamais rien et
aucun fichier source n’est jamais modifié. Convert écrit InfoLog.txt et
ErrorLog.txt dans le dossier de travail (ou --log-dir). Ctrl-C annule après le
fichier en cours ; un second Ctrl-C abandonne aussi ce fichier et supprime sa
copie partielle.

Chaque conversion enregistre les copies qu’elle a faites dans le dossier d’état
propre à l’utilisateur ($XDG_STATE_HOME/tamro/runs). Undo annule la dernière
exécution dont les journaux ont été écrits dans le dossier des journaux (ou
l’exécution ID de --list) : il supprime chaque copie enregistrée qui est encore
le fichier même que l’exécution a fait, dans son dossier de sortie, avec les
octets de sa source ; le reste est laissé, avec la raison. Les journaux sont pour
les personnes : un dossier avec des journaux et sans registre n’annule rien.

Code de sortie : 0 toutes les copies ont réussi (undo : toutes supprimées), 1
des copies ont échoué (undo : certaines restent), 2 mauvais usage ou liste,
format, dossier ou journal inutilisable, 130 annulé par Ctrl-C.</translation>
    </message>
    <message>
        <source>undo takes only --log-dir, --run, --list and --dry-run.</source>
        <translation>undo n’accepte que --log-dir, --run, --list et --dry-run.</translation>
    </message>
    <message>
        <source>undo --list takes no other option.</source>
        <translation>undo --list n’accepte aucune autre option.</translation>
    </message>
    <message>
        <source>Give --run or --log-dir, not both.</source>
        <translation>Indiquez --run ou --log-dir, pas les deux.</translation>
    </message>
    <message>
        <source>--list and --run belong to undo.</source>
        <translation>--list et --run vont avec undo.</translation>
    </message>
    <message>
        <source>undo: lists the recorded runs, newest first.</source>
        <translation>undo : liste les exécutions enregistrées, la plus récente d’abord.</translation>
    </message>
    <message>
        <source>undo: takes back this run (an id from --list).</source>
        <translation>undo : annule cette exécution (un identifiant de --list).</translation>
    </message>
    <message>
        <source>--run needs the id of a run.</source>
        <translation>--run a besoin de l’identifiant d’une exécution.</translation>
    </message>
    <message>
        <source>No run of tamro is recorded.</source>
        <translation>Aucune exécution de tamro n’est enregistrée.</translation>
    </message>
    <message>
        <source>(its record cannot be read: %1)</source>
        <translation>(son registre ne peut pas être lu : %1)</translation>
    </message>
    <message>
        <source>not undone</source>
        <translation>non annulée</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>partly undone (%1 standing)</source>
        <translation>annulée en partie (%1 restent)</translation>
    </message>
    <message>
        <source>1 copy</source>
        <translation>1 copie</translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copie</numerusform>
            <numerusform>%n copies</numerusform>
        </translation>
    </message>
    <message>
        <source>Leaves out a file whose new name in the output folder already holds exactly its bytes (preview flags it identical).</source>
        <translation>Omet un fichier dont le nouveau nom dans le dossier de sortie contient déjà exactement ses octets (preview le marque identical).</translation>
    </message>
</context>
<context>
    <name>TamroCommandLine</name>
    <message>
        <source>Gives song files new names by copying them into an output folder.
PATH may be a folder, shown as the source folder, or a song-list file.

Each convert job writes its logs, InfoLog.txt and ErrorLog.txt, into the folder
tamro was started from (started from a desktop menu, that is the home folder).</source>
        <translation>Donne de nouveaux noms à des fichiers audio en les copiant dans un dossier de sortie.
PATH peut être un dossier, affiché comme dossier source, ou une liste de titres.

Chaque conversion écrit ses journaux, InfoLog.txt et ErrorLog.txt, dans le
dossier d’où tamro a été lancé (lancé depuis un menu du bureau, c’est le
dossier personnel).</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et termine.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et termine.</translation>
    </message>
    <message>
        <source>A folder or a song-list file to open.</source>
        <translation>Un dossier ou une liste de titres à ouvrir.</translation>
    </message>
    <message>
        <source>Give at most one PATH.</source>
        <translation>Donnez au plus un PATH.</translation>
    </message>
    <message>
        <source>Try &apos;tamro --help&apos;.</source>
        <translation>Essayez « tamro --help ».</translation>
    </message>
</context>
<context>
    <name>UndoCopy</name>
    <message>
        <source>its source could not be read: %1</source>
        <translation>sa source n’a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>elle n’a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>it was changed since the copy</source>
        <translation>elle a été modifiée depuis la copie</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>son dossier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>elle manque</translation>
    </message>
    <message>
        <source>it cannot be looked at: %1</source>
        <translation>elle ne peut pas être examinée : %1</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>un lien se trouve à sa place</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ce n’est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>its source is gone</source>
        <translation>sa source a disparu</translation>
    </message>
    <message>
        <source>its source cannot be read: %1</source>
        <translation>sa source est illisible : %1</translation>
    </message>
    <message>
        <source>its source is no longer a regular file</source>
        <translation>sa source n’est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>elle est illisible : %1</translation>
    </message>
    <message>
        <source>it was replaced while being checked</source>
        <translation>elle a été remplacée pendant la vérification</translation>
    </message>
    <message>
        <source>it is its source itself, not a copy</source>
        <translation>c’est sa source elle-même, pas une copie</translation>
    </message>
    <message>
        <source>it could not be removed: %1</source>
        <translation>elle n’a pas pu être supprimée : %1</translation>
    </message>
    <message>
        <source>the undo was cancelled before it was checked</source>
        <translation>l’annulation a été interrompue avant qu’elle soit vérifiée</translation>
    </message>
    <message>
        <source>it no longer equals its source</source>
        <translation>elle n’est plus identique à sa source</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>son dossier n’existe plus</translation>
    </message>
    <message>
        <source>a link stands in the place of its folder</source>
        <translation>un lien se trouve à la place de son dossier</translation>
    </message>
    <message>
        <source>another folder stands in the place of its folder</source>
        <translation>un autre dossier se trouve à la place de son dossier</translation>
    </message>
    <message>
        <source>another file stands in its place</source>
        <translation>un autre fichier se trouve à sa place</translation>
    </message>
</context>
</TS>
