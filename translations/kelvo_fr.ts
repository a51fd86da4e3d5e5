<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Dragged</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
</context>
<context>
    <name>KelvoApp</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Images (*.png)</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Les zones sélectionnées ne doivent pas se chevaucher.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Generate HTML code</source>
        <translation>&amp;Générer le code HTML</translation>
    </message>
    <message>
        <source>&amp;Image Dictionary</source>
        <translation>&amp;Dictionnaire de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Erase encoded data from image</source>
        <translation>Effacer les données codées de l&apos;image</translation>
    </message>
    <message>
        <source>Show coded image regions</source>
        <translation>Afficher les zones codées de l&apos;image</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Sélectionner une zone rectangulaire de l&apos;image</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Sélectionner une zone de l&apos;image à main levée</translation>
    </message>
    <message>
        <source>Insert text into selected image region</source>
        <translation>Insérer du texte dans la zone sélectionnée</translation>
    </message>
    <message>
        <source>Insert a dictionary entry into selected image region</source>
        <translation>Insérer une entrée de dictionnaire dans la zone sélectionnée</translation>
    </message>
    <message>
        <source>Insert image into selected image region</source>
        <translation>Insérer une image dans la zone sélectionnée</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>Générer l&apos;image codée</translation>
    </message>
    <message>
        <source>Kelvo - Pictorra</source>
        <translation>Kelvo - Pictorra</translation>
    </message>
    <message>
        <source>tools</source>
        <translation>outils</translation>
    </message>
    <message>
        <source>Kelvo is free software under the MIT licence.</source>
        <translation>Kelvo est un logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Region added with its data.</source>
        <translation>Zone ajoutée avec ses données.</translation>
    </message>
    <message>
        <source>Data attached to the region.</source>
        <translation>Données jointes à la zone.</translation>
    </message>
    <message>
        <source>&amp;Overview Window</source>
        <translation>&amp;Fenêtre de vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>&amp;Add Data</source>
        <translation>&amp;Ajouter des données</translation>
    </message>
    <message>
        <source>Select &amp;Rectangle</source>
        <translation>Sélection &amp;rectangulaire</translation>
    </message>
    <message>
        <source>Select &amp;Freehand</source>
        <translation>Sélection à &amp;main levée</translation>
    </message>
    <message>
        <source>Add &amp;Text...</source>
        <translation>Ajouter un &amp;texte...</translation>
    </message>
    <message>
        <source>Add &amp;Dictionary Entry...</source>
        <translation>Ajouter une entrée de &amp;dictionnaire...</translation>
    </message>
    <message>
        <source>Add &amp;Image...</source>
        <translation>Ajouter une &amp;image...</translation>
    </message>
    <message>
        <source>&amp;Generate the coded image</source>
        <translation>&amp;Générer l&apos;image codée</translation>
    </message>
    <message>
        <source>&amp;Erase Coded Data...</source>
        <translation>&amp;Effacer les données codées...</translation>
    </message>
    <message>
        <source>&amp;Show Coded Regions</source>
        <translation>Afficher les &amp;zones codées</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Kelvo &amp;Help</source>
        <translation>&amp;Aide de Kelvo</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>À &amp;propos de Kelvo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <translation>Enregistré sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>L&apos;image contient des données codées.</translation>
    </message>
    <message>
        <source>Coded data erased; the picture is not saved yet.</source>
        <translation>Données codées effacées. L&apos;image n&apos;est pas encore enregistrée.</translation>
    </message>
    <message>
        <source>Coded image generated and saved as &quot;%1&quot;.</source>
        <translation>Image codée générée et enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
</context>
<context>
    <name>KelvoAppViewerWidget</name>
    <message>
        <source>Delete Data</source>
        <translation>Supprimer des données</translation>
    </message>
    <message>
        <source>Delete all the data from the image?</source>
        <translation>Supprimer toutes les données de l&apos;image&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select the region in the image
to be deleted ...</source>
        <translation>Sélectionnez dans l&apos;image
la zone à supprimer ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Supprimer des données</translation>
    </message>
    <message>
        <source>There is no data encoded in this region</source>
        <translation>Aucune donnée n&apos;est codée dans cette zone</translation>
    </message>
</context>
<context>
    <name>KelvoCommandLine</name>
    <message>
        <source>Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures.</source>
        <translation>Kelvo cache des textes, des termes de dictionnaire et des extraits d&apos;image dans les pixels des images.</translation>
    </message>
    <message>
        <source>Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer window, all others in an encoder window.</source>
        <translation>Images à ouvrir (BMP, JPEG, PNG, PPM ou XPM). Les images codées s&apos;ouvrent dans une fenêtre de visualisation, toutes les autres dans une fenêtre de codage.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[IMAGE...]</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once the pictures are open, then quit.</source>
        <translation>Une fois les images ouvertes, enregistrer une capture de la fenêtre principale dans &lt;fichier&gt;, puis quitter.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>Pour en savoir plus&#xa0;: «&#xa0;kelvo --help&#xa0;».</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>The name --help gives the pictures in its list of arguments.</extracomment>
        <translation>images</translation>
    </message>
</context>
<context>
    <name>KelvoDataAttacher</name>
    <message>
        <source>Data %1</source>
        <translation>Données %1</translation>
    </message>
    <message>
        <source>Edit dictionary entry</source>
        <translation>Modifier l&apos;entrée de dictionnaire</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>An image dictionary entry or another image is already specified for this region.</source>
        <translation>Une entrée du dictionnaire de l&apos;image ou une autre image est déjà définie pour cette zone.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Unformatted text or another image is already specified for this region.</source>
        <translation>Un texte non formaté ou une autre image est déjà défini pour cette zone.</translation>
    </message>
    <message>
        <source>Add dictionary entry</source>
        <translation>Ajouter une entrée de dictionnaire</translation>
    </message>
    <message>
        <source>Edit shaped text</source>
        <translation>Modifier le texte mis en forme</translation>
    </message>
    <message>
        <source>Resize shaped text</source>
        <translation>Redimensionner le texte mis en forme</translation>
    </message>
    <message>
        <source>Add shaped text</source>
        <translation>Ajouter un texte mis en forme</translation>
    </message>
    <message>
        <source>Add image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Move text</source>
        <translation>Déplacer le texte</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidget</name>
    <message>
        <source>Remove dictionary entry &quot;%1&quot;</source>
        <translation>Supprimer l&apos;entrée de dictionnaire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Remove text &quot;%1&quot;</source>
        <translation>Supprimer le texte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Remove shaped text &quot;%1&quot;</source>
        <translation>Supprimer le texte mis en forme «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Remove image %1</source>
        <translation>Supprimer l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidgetItem</name>
    <message>
        <source>Delete all data specified for this region.</source>
        <translation>Supprimer toutes les données de cette zone.</translation>
    </message>
    <message>
        <source>New Identifier</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Show/hide all data specified for this region.
Caution: Hidden data will not be encoded into the image!</source>
        <translation>Afficher ou masquer toutes les données de cette zone.
Attention&#xa0;: les données masquées ne seront pas codées dans l&apos;image&#xa0;!</translation>
    </message>
    <message>
        <source>cannot be coded</source>
        <translation>non codable</translation>
    </message>
    <message>
        <source>%1 / %2 B: too much</source>
        <translation>%1 / %2 o&#xa0;: trop</translation>
    </message>
    <message>
        <source>The data need more room than the region has: draw a larger region or shorten its data.</source>
        <translation>Les données demandent plus de place que la région n&apos;en a&#xa0;: tracez une région plus grande ou raccourcissez ses données.</translation>
    </message>
    <message>
        <source>%1 / %2 B, level %3</source>
        <translation>%1 / %2 o, niveau %3</translation>
    </message>
    <message>
        <source>At this packing level the data visibly change the picture: draw a larger region or shorten its data.</source>
        <translation>À ce niveau de compactage, les données modifient visiblement l&apos;image&#xa0;: tracez une région plus grande ou raccourcissez ses données.</translation>
    </message>
    <message>
        <source>Bytes the data take after compression / the most the region holds, and the packing level.</source>
        <translation>Octets occupés par les données compressées / octets que la région peut contenir au plus, et le niveau de compactage.</translation>
    </message>
    <message>
        <source>Remove one entry of this region.</source>
        <translation>Supprimer une entrée de cette zone.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEditor</name>
    <message>
        <source>Dictionary Entries</source>
        <translation>Entrées du dictionnaire</translation>
    </message>
    <message>
        <source>obligatory</source>
        <translation>obligatoire</translation>
    </message>
    <message>
        <source>English:</source>
        <translation>Anglais&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>The file is not a valid dictionary.</source>
        <translation>Le fichier n&apos;est pas un dictionnaire valide.</translation>
    </message>
    <message>
        <source>The file does not exist any more.</source>
        <translation>Le fichier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>Le dossier du fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The English term is obligatory ...</source>
        <translation>Le terme anglais est obligatoire ...</translation>
    </message>
    <message>
        <source>The English term identifies the item in pictures and cannot contain these characters:
%1</source>
        <translation>Le terme anglais identifie l&apos;entrée dans les images et ne peut pas contenir ces caractères&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The file could not be written; the disk may be full.</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;; le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>The private dictionary could not be saved:
%1
%2
The term was not added.</source>
        <translation>Impossible d&apos;enregistrer le dictionnaire personnel&#xa0;:
%1
%2
Le terme n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>The private dictionary could not be opened:
%1
%2</source>
        <translation>Impossible d&apos;ouvrir le dictionnaire personnel&#xa0;:
%1
%2</translation>
    </message>
    <message>
        <source>The dictionary already holds an item for &quot;%1&quot;.
It was not added again; the region refers to the existing item.</source>
        <translation>Le dictionnaire contient déjà une entrée pour «&#xa0;%1&#xa0;».
Elle n&apos;a pas été ajoutée une seconde fois&#xa0;; la zone renvoie à l&apos;entrée existante.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEntryDlg</name>
    <message>
        <source>Image Dictionary Entry</source>
        <translation>Entrée du dictionnaire de l&apos;image</translation>
    </message>
    <message>
        <source>Choose a language and enter the
 term in the selected language ...</source>
        <translation>Choisissez une langue et saisissez
 le terme dans cette langue ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KelvoDictionaryMenu</name>
    <message>
        <source>Translate from ...</source>
        <translation>Traduire depuis ...</translation>
    </message>
    <message>
        <source>Translate to ...</source>
        <translation>Traduire vers ...</translation>
    </message>
    <message>
        <source>Show coded word</source>
        <translation>Afficher le mot codé</translation>
    </message>
    <message>
        <source>Show ambiguities</source>
        <translation>Afficher les ambiguïtés</translation>
    </message>
</context>
<context>
    <name>KelvoEditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>KelvoEditorShapedText</name>
    <message>
        <source>Click right mouse
button to edit</source>
        <translation>Clic droit
pour modifier</translation>
    </message>
    <message>
        <source>Change properties</source>
        <translation>Modifier les propriétés</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Centrer le texte</translation>
    </message>
    <message>
        <source>Remove this element</source>
        <translation>Supprimer cet élément</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KelvoEncDoneDlg</name>
    <message>
        <source>Image Coding Finished ...</source>
        <translation>Codage de l&apos;image terminé ...</translation>
    </message>
    <message>
        <source>Data has been successfully embedded.
Do you want to save the coded image?</source>
        <translation>Les données ont bien été intégrées.
Voulez-vous enregistrer l&apos;image codée&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Images (*.png)</translation>
    </message>
</context>
<context>
    <name>KelvoEncodeGeneration</name>
    <message>
        <source>Data %1</source>
        <translation>Données %1</translation>
    </message>
    <message>
        <source>The data of these regions are packed so densely that they visibly change the picture there: %1</source>
        <translation>Les données de ces régions sont si denses qu&apos;elles modifient visiblement l&apos;image à cet endroit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The data of these regions are hidden and will not be coded into the image:
%1

Generate the coded image without them?</source>
        <translation>Les données de ces régions sont masquées et ne seront pas codées dans l&apos;image&#xa0;:
%1

Générer l&apos;image codée sans elles&#xa0;?</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Les zones sélectionnées ne doivent pas se chevaucher.</translation>
    </message>
    <message>
        <source>A problem occured during generating the coded picture.</source>
        <translation>Un problème est survenu lors de la génération de l&apos;image codée.</translation>
    </message>
    <message>
        <source>The coded picture could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image codée sous «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>KelvoHTMLGenerator</name>
    <message>
        <source>Link URL: </source>
        <translation>URL du lien&#xa0;: </translation>
    </message>
    <message>
        <source>Kelvo - HTML Generator</source>
        <translation>Kelvo - Générateur HTML</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Fichier&#xa0;: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Largeur&#xa0;: </translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Hauteur&#xa0;: </translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>For the web viewer (&lt;img data-kelvo&gt;)</source>
        <translation>Pour la visionneuse web (&lt;img data-kelvo&gt;)</translation>
    </message>
</context>
<context>
    <name>KelvoHelpBrowser</name>
    <message>
        <source>Kelvo - Help</source>
        <translation>Kelvo - Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>KelvoImgEncodeWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Image parts are associated with data.
Would you like to generate the coded image now?</source>
        <translation>Des données sont associées à des parties de l&apos;image.
Voulez-vous générer l&apos;image codée maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Image parts are associated with data that are not coded yet.
Generate the coded image, or save the picture without the data?</source>
        <translation>Des parties de l&apos;image sont associées à des données qui ne sont pas encore codées.
Générer l&apos;image codée, ou enregistrer l&apos;image sans les données&#xa0;?</translation>
    </message>
    <message>
        <source>Save plain</source>
        <translation>Sans données</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>Supprimer la zone</translation>
    </message>
    <message>
        <source>Hide region</source>
        <translation>Masquer la zone</translation>
    </message>
    <message>
        <source>Show region</source>
        <translation>Afficher la zone</translation>
    </message>
    <message>
        <source>Rename region</source>
        <translation>Renommer la zone</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Supprimer des données</translation>
    </message>
    <message>
        <source>Delete all data of &quot;%1&quot;?</source>
        <translation>Supprimer toutes les données de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>KelvoImgGrabber</name>
    <message>
        <source>Kelvo - Image Grabber</source>
        <translation>Kelvo - Extraits d&apos;image</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Image Grabber Tools</source>
        <translation>Outils d&apos;extraction d&apos;image</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Sélectionner une zone rectangulaire de l&apos;image</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Sélectionner une zone de l&apos;image à main levée</translation>
    </message>
    <message>
        <source>Select an image region by clicking its background</source>
        <translation>Sélectionner une zone de l&apos;image en cliquant sur son fond</translation>
    </message>
    <message>
        <source>Grab selected image region</source>
        <translation>Reprendre la zone sélectionnée</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
</context>
<context>
    <name>KelvoImgInputDlg</name>
    <message>
        <source>Unformatted text input</source>
        <translation>Saisie de texte non formaté</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>These characters cannot be stored in the picture and will be replaced by &quot;?&quot;:
%1

Store the text anyway?</source>
        <translation>Ces caractères ne peuvent pas être enregistrés dans l&apos;image et seront remplacés par «&#xa0;?&#xa0;»&#xa0;:
%1

Enregistrer le texte quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>KelvoImgSelectCopyWidget</name>
    <message>
        <source>Select Region</source>
        <translation>Sélectionner une zone</translation>
    </message>
    <message>
        <source>Click on the image background ...</source>
        <translation>Cliquez sur le fond de l&apos;image ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unfortunately, no closed contour could be found.</source>
        <translation>Aucun contour fermé n&apos;a malheureusement été trouvé.</translation>
    </message>
</context>
<context>
    <name>KelvoImgSnip</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>Selected image region is larger than the original image.</source>
        <translation>La zone sélectionnée est plus grande que l&apos;image d&apos;origine.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KelvoImgWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>L&apos;image contient des données codées.</translation>
    </message>
    <message>
        <source>The image has been modified.
Do you want to save it?</source>
        <translation>L&apos;image a été modifiée.
Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The image could not be loaded:
%1</source>
        <translation>Impossible de charger l&apos;image&#xa0;:
%1</translation>
    </message>
    <message>
        <source>These images could not be loaded:
%1</source>
        <translation>Impossible de charger ces images&#xa0;:
%1</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>l&apos;image n&apos;a aucun pixel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KelvoInfoWidget</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KelvoPluginImagePropertiesDialog</name>
    <message>
        <source>%1 px (original) / %2 px (displayed)</source>
        <translation>%1 px (original) / %2 px (affiché)</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Propriétés de l&apos;image</translation>
    </message>
    <message>
        <source>File Location:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Taille du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Annotated Areas:</source>
        <translation>Zones annotées&#xa0;:</translation>
    </message>
    <message>
        <source>  Unformatted Texts:</source>
        <translation>  Textes non formatés&#xa0;:</translation>
    </message>
    <message>
        <source>  Formatted Texts:</source>
        <translation>  Textes formatés&#xa0;:</translation>
    </message>
    <message>
        <source>  Translateable Texts:  </source>
        <translation>  Textes traduisibles&#xa0;:  </translation>
    </message>
    <message>
        <source>  Encoded Images:</source>
        <translation>  Images codées&#xa0;:</translation>
    </message>
    <message>
        <source>  Not shown (over the viewer&apos;s limits):</source>
        <translation>  Non affichés (au-delà des limites de la visionneuse)&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Properties for &quot;%1&quot;</source>
        <translation>Propriétés de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1MB (%2 bytes)</source>
        <translation>%1&#xa0;Mo (%2 octets)</translation>
    </message>
    <message>
        <source>%1KB (%2 bytes)</source>
        <translation>%1&#xa0;Ko (%2 octets)</translation>
    </message>
</context>
<context>
    <name>KelvoPluginViewerWidget</name>
    <message>
        <source>Program Info</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>Kelvo Version 0.7
Shows the annotations hidden in pictures on web pages.</source>
        <translation>Kelvo version 0.7
Affiche les annotations cachées dans les images des pages web.</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Propriétés de l&apos;image</translation>
    </message>
    <message>
        <source>Open Link Location</source>
        <translation>Ouvrir l&apos;adresse du lien</translation>
    </message>
    <message>
        <source>Save Image As</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>Show Image Outlines</source>
        <translation>Afficher les contours de l&apos;image</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Image Dictionary</source>
        <translation>Dictionnaire de l&apos;image</translation>
    </message>
    <message>
        <source>save file dialog</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Preparing Image</source>
        <translation>Préparation de l&apos;image</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The image was saved as
%1</source>
        <translation>L&apos;image a été enregistrée sous
%1</translation>
    </message>
    <message>
        <source>The image could not be saved as
%1
%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous
%1
%2</translation>
    </message>
</context>
<context>
    <name>KelvoShapedTextLimits</name>
    <message>
        <source>This element lies too far from its region to be stored in the picture: its coordinates must stay within %1 pixels of the region.</source>
        <translation>Cet élément est trop éloigné de sa zone pour être enregistré dans l&apos;image&#xa0;: ses coordonnées doivent rester à moins de %1 pixels de la zone.</translation>
    </message>
    <message>
        <source>The font size of this element must be between 1 and %1 points to be stored in the picture.</source>
        <translation>Pour être enregistré dans l&apos;image, cet élément doit avoir une taille de police comprise entre 1 et %1 points.</translation>
    </message>
    <message>
        <source>The text of this element is too long to be stored in the picture: the element takes %1 bytes, and a picture region holds at most %2.</source>
        <translation>Le texte de cet élément est trop long pour être enregistré dans l&apos;image&#xa0;: l&apos;élément occupe %1 octets et une zone de l&apos;image en contient au plus %2.</translation>
    </message>
</context>
<context>
    <name>KelvoTextEditor</name>
    <message>
        <source>Text properties</source>
        <translation>Propriétés du texte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Left align text</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Center align text</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Right align text</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Arrière-plan transparent</translation>
    </message>
    <message>
        <source>Background properties</source>
        <translation>Propriétés de l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Contour width: 1</source>
        <translation>Épaisseur du contour&#xa0;: 1</translation>
    </message>
    <message>
        <source>Change contour color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>The picture keeps only Latin-1 characters; these will be lost: %1</source>
        <translation>L&apos;image ne conserve que les caractères Latin-1&#xa0;; ceux-ci seront perdus&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture cannot name the font &quot;%1&quot;; readers will see &quot;%2&quot;.</source>
        <translation>La police «&#xa0;%1&#xa0;» ne peut pas être indiquée dans l&apos;image&#xa0;; les lecteurs verront «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <extracomment>The letter drawn on the bold button, as word processors in this language show it.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic button</comment>
        <extracomment>The letter drawn on the italic button, as word processors in this language show it.</extracomment>
        <translation>I</translation>
    </message>
</context>
<context>
    <name>KelvoTextHolderWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Message</translation>
    </message>
    <message>
        <source>The term is not in the dictionary yet.
You can now add it to your private dictionary ...</source>
        <translation>Le terme ne figure pas encore dans le dictionnaire.
Vous pouvez maintenant l&apos;ajouter à votre dictionnaire personnel ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KelvoTextTypeDlg</name>
    <message>
        <source>Unformatted text</source>
        <translation>Texte non formaté</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texte dans un rectangle</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texte dans une ellipse</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <translation>Bulle de dialogue</translation>
    </message>
    <message>
        <source>Think bubble</source>
        <translation>Bulle de pensée</translation>
    </message>
    <message>
        <source>Choose A Text Type</source>
        <translation>Choisir un type de texte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
</context>
<context>
    <name>KelvoViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
</context>
<context>
    <name>KelvoWebViewer</name>
    <message>
        <source>Keep this text open</source>
        <translation>Garder ce texte affiché</translation>
    </message>
    <message>
        <source>picture with %1 annotated areas; use the arrow keys to read them</source>
        <translation>image avec %1 zones annotées&#xa0;; parcourez-les avec les touches fléchées</translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginInstance</name>
    <message>
        <source> The parameter &apos;src&apos; is not allowed! </source>
        <translation> Le paramètre &apos;src&apos; n&apos;est pas autorisé&#xa0;! </translation>
    </message>
    <message>
        <source> No image url specified in parameter &apos;kelvo&apos;! </source>
        <translation> Aucune URL d&apos;image dans le paramètre &apos;kelvo&apos;&#xa0;! </translation>
    </message>
    <message>
        <source> No parameter &apos;kelvo&apos; specified! </source>
        <translation> Le paramètre &apos;kelvo&apos; est absent&#xa0;! </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Plug-in Kelvo &gt;&gt; chargement de&#xa0;: </translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginWidget</name>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Plug-in Kelvo &gt;&gt; chargement de&#xa0;: </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; receiving:  </source>
        <translation> Plug-in Kelvo &gt;&gt; réception&#xa0;:  </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; an error occured, while loading the image! Propably the image link is broken.</source>
        <translation> Plug-in Kelvo &gt;&gt; une erreur s&apos;est produite lors du chargement de l&apos;image&#xa0;! Le lien vers l&apos;image est probablement rompu.</translation>
    </message>
    <message>
        <source>An Error occured</source>
        <translation>Une erreur s&apos;est produite</translation>
    </message>
</context>
</TS>
