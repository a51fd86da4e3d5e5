<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Dragged</name>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>KelvoApp</name>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Bilder (*.png)</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Die ausgewählten Bereiche dürfen sich nicht überschneiden.</translation>
    </message>
    <message>
        <source>Kelvo is free software under the MIT licence.</source>
        <translation>Kelvo ist freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Generate HTML code</source>
        <translation>&amp;HTML-Code erzeugen</translation>
    </message>
    <message>
        <source>&amp;Image Dictionary</source>
        <translation>&amp;Bildwörterbuch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Erase encoded data from image</source>
        <translation>Codierte Daten aus dem Bild löschen</translation>
    </message>
    <message>
        <source>Show coded image regions</source>
        <translation>Codierte Bildbereiche anzeigen</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Einen rechteckigen Bildbereich auswählen</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Einen Bildbereich freihändig auswählen</translation>
    </message>
    <message>
        <source>Insert text into selected image region</source>
        <translation>Text in den ausgewählten Bildbereich einfügen</translation>
    </message>
    <message>
        <source>Insert a dictionary entry into selected image region</source>
        <translation>Einen Wörterbucheintrag in den ausgewählten Bildbereich einfügen</translation>
    </message>
    <message>
        <source>Insert image into selected image region</source>
        <translation>Ein Bild in den ausgewählten Bildbereich einfügen</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>Codiertes Bild erzeugen</translation>
    </message>
    <message>
        <source>Kelvo - Pictorra</source>
        <translation>Kelvo - Pictorra</translation>
    </message>
    <message>
        <source>tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Region added with its data.</source>
        <translation>Bereich mit seinen Daten hinzugefügt.</translation>
    </message>
    <message>
        <source>Data attached to the region.</source>
        <translation>Daten an den Bereich angehängt.</translation>
    </message>
    <message>
        <source>&amp;Overview Window</source>
        <translation>&amp;Übersichtsfenster</translation>
    </message>
    <message>
        <source>&amp;Add Data</source>
        <translation>&amp;Daten hinzufügen</translation>
    </message>
    <message>
        <source>Select &amp;Rectangle</source>
        <translation>Rechteckig &amp;auswählen</translation>
    </message>
    <message>
        <source>Select &amp;Freehand</source>
        <translation>&amp;Freihändig auswählen</translation>
    </message>
    <message>
        <source>Add &amp;Text...</source>
        <translation>&amp;Text hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;Dictionary Entry...</source>
        <translation>&amp;Wörterbucheintrag hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;Image...</source>
        <translation>&amp;Bild hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Generate the coded image</source>
        <translation>Codiertes Bild &amp;erzeugen</translation>
    </message>
    <message>
        <source>&amp;Erase Coded Data...</source>
        <translation>Codierte Daten &amp;löschen...</translation>
    </message>
    <message>
        <source>&amp;Show Coded Regions</source>
        <translation>Codierte Be&amp;reiche anzeigen</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Kelvo &amp;Help</source>
        <translation>Kelvo-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>Ü&amp;ber Kelvo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <translation>Gespeichert als „%1“.</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>Das Bild enthält codierte Daten.</translation>
    </message>
    <message>
        <source>Coded data erased; the picture is not saved yet.</source>
        <translation>Codierte Daten gelöscht; das Bild ist noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Coded image generated and saved as &quot;%1&quot;.</source>
        <translation>Codiertes Bild erzeugt und als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>KelvoAppViewerWidget</name>
    <message>
        <source>Delete Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Delete all the data from the image?</source>
        <translation>Alle Daten aus dem Bild löschen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select the region in the image
to be deleted ...</source>
        <translation>Wählen Sie den Bereich im Bild,
der gelöscht werden soll ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>There is no data encoded in this region</source>
        <translation>In diesem Bereich sind keine Daten codiert</translation>
    </message>
</context>
<context>
    <name>KelvoCommandLine</name>
    <message>
        <source>Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures.</source>
        <translation>Kelvo versteckt Texte, Wörterbuchbegriffe und Bildausschnitte in den Pixeln von Bildern.</translation>
    </message>
    <message>
        <source>Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer window, all others in an encoder window.</source>
        <translation>Zu öffnende Bilder (BMP, JPEG, PNG, PPM oder XPM). Codierte Bilder werden in einem Betrachterfenster geöffnet, alle anderen in einem Codierfenster.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[BILD...]</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>Weitere Informationen mit „kelvo --help“.</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once the pictures are open, then quit.</source>
        <translation>Nach dem Öffnen der Bilder ein Bildschirmfoto des Hauptfensters in &lt;Datei&gt; speichern und beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>The name --help gives the pictures in its list of arguments.</extracomment>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>KelvoDataAttacher</name>
    <message>
        <source>Data %1</source>
        <translation>Daten %1</translation>
    </message>
    <message>
        <source>Edit dictionary entry</source>
        <translation>Wörterbucheintrag bearbeiten</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>An image dictionary entry or another image is already specified for this region.</source>
        <translation>Für diesen Bereich ist bereits ein Eintrag im Bildwörterbuch oder ein anderes Bild festgelegt.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Unformatted text or another image is already specified for this region.</source>
        <translation>Für diesen Bereich ist bereits unformatierter Text oder ein anderes Bild festgelegt.</translation>
    </message>
    <message>
        <source>Add dictionary entry</source>
        <translation>Wörterbucheintrag hinzufügen</translation>
    </message>
    <message>
        <source>Edit shaped text</source>
        <translation>Formtext bearbeiten</translation>
    </message>
    <message>
        <source>Resize shaped text</source>
        <translation>Größe des Formtexts ändern</translation>
    </message>
    <message>
        <source>Add shaped text</source>
        <translation>Formtext hinzufügen</translation>
    </message>
    <message>
        <source>Add image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Move text</source>
        <translation>Text verschieben</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidget</name>
    <message>
        <source>Remove dictionary entry &quot;%1&quot;</source>
        <translation>Wörterbucheintrag „%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove text &quot;%1&quot;</source>
        <translation>Text „%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove shaped text &quot;%1&quot;</source>
        <translation>Formtext „%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove image %1</source>
        <translation>Bild %1 entfernen</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidgetItem</name>
    <message>
        <source>Delete all data specified for this region.</source>
        <translation>Alle Daten dieses Bereichs löschen.</translation>
    </message>
    <message>
        <source>New Identifier</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Show/hide all data specified for this region.
Caution: Hidden data will not be encoded into the image!</source>
        <translation>Alle Daten dieses Bereichs ein- oder ausblenden.
Achtung: Ausgeblendete Daten werden nicht in das Bild codiert!</translation>
    </message>
    <message>
        <source>cannot be coded</source>
        <translation>nicht codierbar</translation>
    </message>
    <message>
        <source>%1 / %2 B: too much</source>
        <translation>%1 / %2 B: zu viel</translation>
    </message>
    <message>
        <source>The data need more room than the region has: draw a larger region or shorten its data.</source>
        <translation>Die Daten brauchen mehr Platz, als der Bereich hat: Zeichnen Sie einen größeren Bereich oder kürzen Sie die Daten.</translation>
    </message>
    <message>
        <source>%1 / %2 B, level %3</source>
        <translation>%1 / %2 B, Stufe %3</translation>
    </message>
    <message>
        <source>At this packing level the data visibly change the picture: draw a larger region or shorten its data.</source>
        <translation>Auf dieser Packstufe verändern die Daten das Bild sichtbar: Zeichnen Sie einen größeren Bereich oder kürzen Sie die Daten.</translation>
    </message>
    <message>
        <source>Bytes the data take after compression / the most the region holds, and the packing level.</source>
        <translation>Bytes, die die Daten komprimiert brauchen / höchstens im Bereich Platz haben, und die Packstufe.</translation>
    </message>
    <message>
        <source>Remove one entry of this region.</source>
        <translation>Einen Eintrag dieses Bereichs entfernen.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEditor</name>
    <message>
        <source>Dictionary Entries</source>
        <translation>Wörterbucheinträge</translation>
    </message>
    <message>
        <source>obligatory</source>
        <translation>Pflichtfeld</translation>
    </message>
    <message>
        <source>English:</source>
        <translation>Englisch:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>The file is not a valid dictionary.</source>
        <translation>Die Datei ist kein gültiges Wörterbuch.</translation>
    </message>
    <message>
        <source>The file does not exist any more.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>Der Ordner der Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The English term is obligatory ...</source>
        <translation>Der englische Begriff muss angegeben werden ...</translation>
    </message>
    <message>
        <source>The English term identifies the item in pictures and cannot contain these characters:
%1</source>
        <translation>Der englische Begriff kennzeichnet den Eintrag in Bildern und darf diese Zeichen nicht enthalten:
%1</translation>
    </message>
    <message>
        <source>The file could not be written; the disk may be full.</source>
        <translation>Die Datei konnte nicht geschrieben werden; vielleicht ist der Datenträger voll.</translation>
    </message>
    <message>
        <source>The private dictionary could not be saved:
%1
%2
The term was not added.</source>
        <translation>Das private Wörterbuch konnte nicht gespeichert werden:
%1
%2
Der Begriff wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The private dictionary could not be opened:
%1
%2</source>
        <translation>Das private Wörterbuch konnte nicht geöffnet werden:
%1
%2</translation>
    </message>
    <message>
        <source>The dictionary already holds an item for &quot;%1&quot;.
It was not added again; the region refers to the existing item.</source>
        <translation>Das Wörterbuch enthält bereits einen Eintrag für „%1“.
Er wurde nicht erneut hinzugefügt; der Bereich verweist auf den vorhandenen Eintrag.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEntryDlg</name>
    <message>
        <source>Image Dictionary Entry</source>
        <translation>Eintrag im Bildwörterbuch</translation>
    </message>
    <message>
        <source>Choose a language and enter the
 term in the selected language ...</source>
        <translation>Wählen Sie eine Sprache und geben Sie
 den Begriff in dieser Sprache ein ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KelvoDictionaryMenu</name>
    <message>
        <source>Translate from ...</source>
        <translation>Übersetzen aus ...</translation>
    </message>
    <message>
        <source>Translate to ...</source>
        <translation>Übersetzen in ...</translation>
    </message>
    <message>
        <source>Show coded word</source>
        <translation>Codiertes Wort anzeigen</translation>
    </message>
    <message>
        <source>Show ambiguities</source>
        <translation>Mehrdeutigkeiten anzeigen</translation>
    </message>
</context>
<context>
    <name>KelvoEditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>KelvoEditorShapedText</name>
    <message>
        <source>Click right mouse
button to edit</source>
        <translation>Zum Bearbeiten mit der
rechten Maustaste klicken</translation>
    </message>
    <message>
        <source>Change properties</source>
        <translation>Eigenschaften ändern</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Text zentrieren</translation>
    </message>
    <message>
        <source>Remove this element</source>
        <translation>Dieses Element entfernen</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
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
        <translation>Bildcodierung abgeschlossen ...</translation>
    </message>
    <message>
        <source>Data has been successfully embedded.
Do you want to save the coded image?</source>
        <translation>Die Daten wurden erfolgreich eingebettet.
Möchten Sie das codierte Bild speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>KelvoEncodeGeneration</name>
    <message>
        <source>Data %1</source>
        <translation>Daten %1</translation>
    </message>
    <message>
        <source>The data of these regions are packed so densely that they visibly change the picture there: %1</source>
        <translation>Die Daten dieser Bereiche sind so dicht gepackt, dass sie das Bild dort sichtbar verändern: %1</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The data of these regions are hidden and will not be coded into the image:
%1

Generate the coded image without them?</source>
        <translation>Die Daten dieser Bereiche sind ausgeblendet und werden nicht in das Bild codiert:
%1

Das codierte Bild ohne sie erzeugen?</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Die ausgewählten Bereiche dürfen sich nicht überschneiden.</translation>
    </message>
    <message>
        <source>A problem occured during generating the coded picture.</source>
        <translation>Beim Erzeugen des codierten Bildes ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>The coded picture could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Das codierte Bild konnte nicht als „%1“ gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>KelvoHTMLGenerator</name>
    <message>
        <source>Link URL: </source>
        <translation>Link-URL: </translation>
    </message>
    <message>
        <source>Kelvo - HTML Generator</source>
        <translation>Kelvo - HTML-Generator</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breite: </translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Höhe: </translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>For the web viewer (&lt;img data-kelvo&gt;)</source>
        <translation>Für den Web-Betrachter (&lt;img data-kelvo&gt;)</translation>
    </message>
</context>
<context>
    <name>KelvoHelpBrowser</name>
    <message>
        <source>Kelvo - Help</source>
        <translation>Kelvo - Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>KelvoImgEncodeWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Image parts are associated with data.
Would you like to generate the coded image now?</source>
        <translation>Teilen des Bildes sind Daten zugeordnet.
Möchten Sie das codierte Bild jetzt erzeugen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Image parts are associated with data that are not coded yet.
Generate the coded image, or save the picture without the data?</source>
        <translation>Bildteilen sind Daten zugeordnet, die noch nicht codiert sind.
Das codierte Bild erzeugen oder das Bild ohne die Daten speichern?</translation>
    </message>
    <message>
        <source>Save plain</source>
        <translation>Ohne Daten</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>Bereich löschen</translation>
    </message>
    <message>
        <source>Hide region</source>
        <translation>Bereich ausblenden</translation>
    </message>
    <message>
        <source>Show region</source>
        <translation>Bereich einblenden</translation>
    </message>
    <message>
        <source>Rename region</source>
        <translation>Bereich umbenennen</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Delete all data of &quot;%1&quot;?</source>
        <translation>Alle Daten von „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>KelvoImgGrabber</name>
    <message>
        <source>Kelvo - Image Grabber</source>
        <translation>Kelvo - Bildausschnitte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Image Grabber Tools</source>
        <translation>Werkzeuge für Bildausschnitte</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Einen rechteckigen Bildbereich auswählen</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Einen Bildbereich freihändig auswählen</translation>
    </message>
    <message>
        <source>Select an image region by clicking its background</source>
        <translation>Einen Bildbereich per Klick auf seinen Hintergrund auswählen</translation>
    </message>
    <message>
        <source>Grab selected image region</source>
        <translation>Ausgewählten Bildbereich übernehmen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
</context>
<context>
    <name>KelvoImgInputDlg</name>
    <message>
        <source>Unformatted text input</source>
        <translation>Unformatierten Text eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>These characters cannot be stored in the picture and will be replaced by &quot;?&quot;:
%1

Store the text anyway?</source>
        <translation>Diese Zeichen können nicht im Bild gespeichert werden und werden durch „?“ ersetzt:
%1

Den Text trotzdem speichern?</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>KelvoImgSelectCopyWidget</name>
    <message>
        <source>Select Region</source>
        <translation>Bereich auswählen</translation>
    </message>
    <message>
        <source>Click on the image background ...</source>
        <translation>Klicken Sie auf den Bildhintergrund ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unfortunately, no closed contour could be found.</source>
        <translation>Leider wurde keine geschlossene Kontur gefunden.</translation>
    </message>
</context>
<context>
    <name>KelvoImgSnip</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>Selected image region is larger than the original image.</source>
        <translation>Der ausgewählte Bildbereich ist größer als das Originalbild.</translation>
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
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>Das Bild enthält codierte Daten.</translation>
    </message>
    <message>
        <source>The image has been modified.
Do you want to save it?</source>
        <translation>Das Bild wurde geändert.
Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The image could not be loaded:
%1</source>
        <translation>Das Bild konnte nicht geladen werden:
%1</translation>
    </message>
    <message>
        <source>These images could not be loaded:
%1</source>
        <translation>Diese Bilder konnten nicht geladen werden:
%1</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
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
        <translation>%1 px (Original) / %2 px (angezeigt)</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>File Location:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Annotated Areas:</source>
        <translation>Bereiche mit Anmerkungen:</translation>
    </message>
    <message>
        <source>  Unformatted Texts:</source>
        <translation>  Unformatierte Texte:</translation>
    </message>
    <message>
        <source>  Formatted Texts:</source>
        <translation>  Formatierte Texte:</translation>
    </message>
    <message>
        <source>  Translateable Texts:  </source>
        <translation>  Übersetzbare Texte:  </translation>
    </message>
    <message>
        <source>  Encoded Images:</source>
        <translation>  Codierte Bilder:</translation>
    </message>
    <message>
        <source>  Not shown (over the viewer&apos;s limits):</source>
        <translation>  Nicht angezeigt (jenseits der Grenzen des Betrachters):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Properties for &quot;%1&quot;</source>
        <translation>Eigenschaften von „%1“</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1MB (%2 bytes)</source>
        <translation>%1 MB (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1KB (%2 bytes)</source>
        <translation>%1 KB (%2 Bytes)</translation>
    </message>
</context>
<context>
    <name>KelvoPluginViewerWidget</name>
    <message>
        <source>Program Info</source>
        <translation>Programminformationen</translation>
    </message>
    <message>
        <source>Kelvo Version 0.7
Shows the annotations hidden in pictures on web pages.</source>
        <translation>Kelvo Version 0.7
Zeigt die Anmerkungen, die in Bildern auf Webseiten versteckt sind.</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Open Link Location</source>
        <translation>Link-Adresse öffnen</translation>
    </message>
    <message>
        <source>Save Image As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Show Image Outlines</source>
        <translation>Bildumrisse anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Image Dictionary</source>
        <translation>Bildwörterbuch</translation>
    </message>
    <message>
        <source>save file dialog</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Preparing Image</source>
        <translation>Bild wird vorbereitet</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The image was saved as
%1</source>
        <translation>Das Bild wurde gespeichert als
%1</translation>
    </message>
    <message>
        <source>The image could not be saved as
%1
%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1
%2</translation>
    </message>
</context>
<context>
    <name>KelvoShapedTextLimits</name>
    <message>
        <source>This element lies too far from its region to be stored in the picture: its coordinates must stay within %1 pixels of the region.</source>
        <translation>Dieses Element liegt zu weit von seinem Bereich entfernt, um im Bild gespeichert zu werden: Seine Koordinaten müssen innerhalb von %1 Pixeln um den Bereich bleiben.</translation>
    </message>
    <message>
        <source>The font size of this element must be between 1 and %1 points to be stored in the picture.</source>
        <translation>Die Schriftgröße dieses Elements muss zwischen 1 und %1 Punkt liegen, damit es im Bild gespeichert werden kann.</translation>
    </message>
    <message>
        <source>The text of this element is too long to be stored in the picture: the element takes %1 bytes, and a picture region holds at most %2.</source>
        <translation>Der Text dieses Elements ist zu lang, um im Bild gespeichert zu werden: Das Element belegt %1 Bytes, ein Bildbereich fasst höchstens %2.</translation>
    </message>
</context>
<context>
    <name>KelvoTextEditor</name>
    <message>
        <source>Text properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Left align text</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center align text</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right align text</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Hintergrundfarbe ändern</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>Background properties</source>
        <translation>Hintergrundeigenschaften</translation>
    </message>
    <message>
        <source>Contour width: 1</source>
        <translation>Konturbreite: 1</translation>
    </message>
    <message>
        <source>Change contour color</source>
        <translation>Konturfarbe ändern</translation>
    </message>
    <message>
        <source>The picture keeps only Latin-1 characters; these will be lost: %1</source>
        <translation>Das Bild speichert nur Latin-1-Zeichen; folgende Zeichen gehen verloren: %1</translation>
    </message>
    <message>
        <source>The picture cannot name the font &quot;%1&quot;; readers will see &quot;%2&quot;.</source>
        <translation>Die Schriftart „%1“ lässt sich im Bild nicht angeben; Leser sehen stattdessen „%2“.</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <extracomment>The letter drawn on the bold button, as word processors in this language show it.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic button</comment>
        <extracomment>The letter drawn on the italic button, as word processors in this language show it.</extracomment>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>KelvoTextHolderWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The term is not in the dictionary yet.
You can now add it to your private dictionary ...</source>
        <translation>Der Begriff steht noch nicht im Wörterbuch.
Sie können ihn jetzt Ihrem privaten Wörterbuch hinzufügen ...</translation>
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
        <translation>Unformatierter Text</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Text in einem Rechteck</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Text in einer Ellipse</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <translation>Sprechblase</translation>
    </message>
    <message>
        <source>Think bubble</source>
        <translation>Denkblase</translation>
    </message>
    <message>
        <source>Choose A Text Type</source>
        <translation>Textart wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>KelvoViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>KelvoWebViewer</name>
    <message>
        <source>Keep this text open</source>
        <translation>Diesen Text geöffnet lassen</translation>
    </message>
    <message>
        <source>picture with %1 annotated areas; use the arrow keys to read them</source>
        <translation>Bild mit %1 Bereichen mit Anmerkungen; lesen Sie sie mit den Pfeiltasten</translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginInstance</name>
    <message>
        <source> The parameter &apos;src&apos; is not allowed! </source>
        <translation> Der Parameter &apos;src&apos; ist nicht erlaubt! </translation>
    </message>
    <message>
        <source> No image url specified in parameter &apos;kelvo&apos;! </source>
        <translation> Im Parameter &apos;kelvo&apos; ist keine Bild-URL angegeben! </translation>
    </message>
    <message>
        <source> No parameter &apos;kelvo&apos; specified! </source>
        <translation> Der Parameter &apos;kelvo&apos; fehlt! </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Kelvo-Plug-in &gt;&gt; Wird geladen: </translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginWidget</name>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Kelvo-Plug-in &gt;&gt; Wird geladen: </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; receiving:  </source>
        <translation> Kelvo-Plug-in &gt;&gt; Empfang:  </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; an error occured, while loading the image! Propably the image link is broken.</source>
        <translation> Kelvo-Plug-in &gt;&gt; Beim Laden des Bildes ist ein Fehler aufgetreten! Vermutlich ist der Link zum Bild ungültig.</translation>
    </message>
    <message>
        <source>An Error occured</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
</context>
</TS>
