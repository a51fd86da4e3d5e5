<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Dragged</name>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
</context>
<context>
    <name>KelvoApp</name>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Afbeeldingen (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.</source>
        <translation>De afbeelding kan niet worden opgeslagen als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Geselecteerde gebieden mogen elkaar niet overlappen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Opslaan &amp;als</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Generate HTML code</source>
        <translation>HTML-code &amp;genereren</translation>
    </message>
    <message>
        <source>&amp;Image Dictionary</source>
        <translation>&amp;Woordenboek van de afbeelding</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Erase encoded data from image</source>
        <translation>Gecodeerde gegevens uit de afbeelding wissen</translation>
    </message>
    <message>
        <source>Show coded image regions</source>
        <translation>Gecodeerde gebieden van de afbeelding tonen</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Een rechthoekig gebied van de afbeelding selecteren</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Een gebied van de afbeelding uit de vrije hand selecteren</translation>
    </message>
    <message>
        <source>Insert text into selected image region</source>
        <translation>Tekst in het geselecteerde gebied invoegen</translation>
    </message>
    <message>
        <source>Insert a dictionary entry into selected image region</source>
        <translation>Een woordenboekitem in het geselecteerde gebied invoegen</translation>
    </message>
    <message>
        <source>Insert image into selected image region</source>
        <translation>Een afbeelding in het geselecteerde gebied invoegen</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>De gecodeerde afbeelding genereren</translation>
    </message>
    <message>
        <source>Kelvo - Pictorra</source>
        <translation>Kelvo - Pictorra</translation>
    </message>
    <message>
        <source>tools</source>
        <translation>gereedschappen</translation>
    </message>
    <message>
        <source>Kelvo is free software under the MIT licence.</source>
        <translation>Kelvo is vrije software onder de MIT-licentie.</translation>
    </message>
    <message>
        <source>Region added with its data.</source>
        <translation>Gebied met zijn gegevens toegevoegd.</translation>
    </message>
    <message>
        <source>Data attached to the region.</source>
        <translation>Gegevens aan het gebied toegevoegd.</translation>
    </message>
    <message>
        <source>&amp;Overview Window</source>
        <translation>&amp;Overzichtsvenster</translation>
    </message>
    <message>
        <source>&amp;Add Data</source>
        <translation>Gegevens &amp;toevoegen</translation>
    </message>
    <message>
        <source>Select &amp;Rectangle</source>
        <translation>&amp;Rechthoekig selecteren</translation>
    </message>
    <message>
        <source>Select &amp;Freehand</source>
        <translation>&amp;Vrij selecteren</translation>
    </message>
    <message>
        <source>Add &amp;Text...</source>
        <translation>&amp;Tekst toevoegen...</translation>
    </message>
    <message>
        <source>Add &amp;Dictionary Entry...</source>
        <translation>&amp;Woordenboekitem toevoegen...</translation>
    </message>
    <message>
        <source>Add &amp;Image...</source>
        <translation>&amp;Afbeelding toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Generate the coded image</source>
        <translation>Gecodeerde afbeelding &amp;genereren</translation>
    </message>
    <message>
        <source>&amp;Erase Coded Data...</source>
        <translation>Gecodeerde gegevens w&amp;issen...</translation>
    </message>
    <message>
        <source>&amp;Show Coded Regions</source>
        <translation>Gecodeerde gebie&amp;den tonen</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Naast elkaar</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Trapsgewijs</translation>
    </message>
    <message>
        <source>Kelvo &amp;Help</source>
        <translation>Kelvo-&amp;help</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>&amp;Over Kelvo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Gereedschap</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Venster</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <translation>Opgeslagen als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>De afbeelding bevat gecodeerde gegevens.</translation>
    </message>
    <message>
        <source>Coded data erased; the picture is not saved yet.</source>
        <translation>Gecodeerde gegevens gewist; de afbeelding is nog niet opgeslagen.</translation>
    </message>
    <message>
        <source>Coded image generated and saved as &quot;%1&quot;.</source>
        <translation>Gecodeerde afbeelding gegenereerd en opgeslagen als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
</context>
<context>
    <name>KelvoAppViewerWidget</name>
    <message>
        <source>Delete Data</source>
        <translation>Gegevens verwijderen</translation>
    </message>
    <message>
        <source>Delete all the data from the image?</source>
        <translation>Alle gegevens uit de afbeelding verwijderen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Select the region in the image
to be deleted ...</source>
        <translation>Selecteer in de afbeelding
het gebied dat u wilt verwijderen ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Gegevens verwijderen</translation>
    </message>
    <message>
        <source>There is no data encoded in this region</source>
        <translation>In dit gebied zijn geen gegevens gecodeerd</translation>
    </message>
</context>
<context>
    <name>KelvoCommandLine</name>
    <message>
        <source>Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures.</source>
        <translation>Kelvo verbergt teksten, woordenboektermen en afbeeldingsfragmenten in de pixels van afbeeldingen.</translation>
    </message>
    <message>
        <source>Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer window, all others in an encoder window.</source>
        <translation>Te openen afbeeldingen (BMP, JPEG, PNG, PPM of XPM). Gecodeerde afbeeldingen worden in een weergavevenster geopend, alle andere in een codeervenster.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[AFBEELDING...]</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once the pictures are open, then quit.</source>
        <translation>Na het openen van de afbeeldingen een schermafbeelding van het hoofdvenster in &lt;bestand&gt; opslaan en afsluiten.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>Meer informatie met &quot;kelvo --help&quot;.</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>The name --help gives the pictures in its list of arguments.</extracomment>
        <translation>afbeeldingen</translation>
    </message>
</context>
<context>
    <name>KelvoDataAttacher</name>
    <message>
        <source>Data %1</source>
        <translation>Gegevens %1</translation>
    </message>
    <message>
        <source>Edit dictionary entry</source>
        <translation>Woordenboekitem bewerken</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Tekst bewerken</translation>
    </message>
    <message>
        <source>An image dictionary entry or another image is already specified for this region.</source>
        <translation>Voor dit gebied is al een item uit het woordenboek van de afbeelding of een andere afbeelding opgegeven.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Tekst toevoegen</translation>
    </message>
    <message>
        <source>Unformatted text or another image is already specified for this region.</source>
        <translation>Voor dit gebied is al niet-opgemaakte tekst of een andere afbeelding opgegeven.</translation>
    </message>
    <message>
        <source>Add dictionary entry</source>
        <translation>Woordenboekitem toevoegen</translation>
    </message>
    <message>
        <source>Edit shaped text</source>
        <translation>Vormtekst bewerken</translation>
    </message>
    <message>
        <source>Resize shaped text</source>
        <translation>Formaat van vormtekst wijzigen</translation>
    </message>
    <message>
        <source>Add shaped text</source>
        <translation>Vormtekst toevoegen</translation>
    </message>
    <message>
        <source>Add image</source>
        <translation>Afbeelding toevoegen</translation>
    </message>
    <message>
        <source>Move text</source>
        <translation>Tekst verplaatsen</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidget</name>
    <message>
        <source>Remove dictionary entry &quot;%1&quot;</source>
        <translation>Woordenboekitem ‘%1’ verwijderen</translation>
    </message>
    <message>
        <source>Remove text &quot;%1&quot;</source>
        <translation>Tekst ‘%1’ verwijderen</translation>
    </message>
    <message>
        <source>Remove shaped text &quot;%1&quot;</source>
        <translation>Vormtekst ‘%1’ verwijderen</translation>
    </message>
    <message>
        <source>Remove image %1</source>
        <translation>Afbeelding %1 verwijderen</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidgetItem</name>
    <message>
        <source>Delete all data specified for this region.</source>
        <translation>Alle gegevens van dit gebied verwijderen.</translation>
    </message>
    <message>
        <source>New Identifier</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Show/hide all data specified for this region.
Caution: Hidden data will not be encoded into the image!</source>
        <translation>Alle gegevens van dit gebied tonen of verbergen.
Let op: verborgen gegevens worden niet in de afbeelding gecodeerd!</translation>
    </message>
    <message>
        <source>cannot be coded</source>
        <translation>niet te coderen</translation>
    </message>
    <message>
        <source>%1 / %2 B: too much</source>
        <translation>%1 / %2 B: te veel</translation>
    </message>
    <message>
        <source>The data need more room than the region has: draw a larger region or shorten its data.</source>
        <translation>De gegevens hebben meer ruimte nodig dan het gebied heeft: teken een groter gebied of kort de gegevens in.</translation>
    </message>
    <message>
        <source>%1 / %2 B, level %3</source>
        <translation>%1 / %2 B, niveau %3</translation>
    </message>
    <message>
        <source>At this packing level the data visibly change the picture: draw a larger region or shorten its data.</source>
        <translation>Op dit pakniveau veranderen de gegevens het beeld zichtbaar: teken een groter gebied of kort de gegevens in.</translation>
    </message>
    <message>
        <source>Bytes the data take after compression / the most the region holds, and the packing level.</source>
        <translation>Bytes die de gegevens gecomprimeerd innemen / het maximum dat het gebied bevat, en het pakniveau.</translation>
    </message>
    <message>
        <source>Remove one entry of this region.</source>
        <translation>Eén item van dit gebied verwijderen.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEditor</name>
    <message>
        <source>Dictionary Entries</source>
        <translation>Woordenboekitems</translation>
    </message>
    <message>
        <source>obligatory</source>
        <translation>verplicht</translation>
    </message>
    <message>
        <source>English:</source>
        <translation>Engels:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Dit is geen bestand.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Het bestand is te groot.</translation>
    </message>
    <message>
        <source>The file is not a valid dictionary.</source>
        <translation>Het bestand is geen geldig woordenboek.</translation>
    </message>
    <message>
        <source>The file does not exist any more.</source>
        <translation>Het bestand bestaat niet meer.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>De map van het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The English term is obligatory ...</source>
        <translation>De Engelse term is verplicht ...</translation>
    </message>
    <message>
        <source>The English term identifies the item in pictures and cannot contain these characters:
%1</source>
        <translation>De Engelse term identificeert het item in afbeeldingen en mag deze tekens niet bevatten:
%1</translation>
    </message>
    <message>
        <source>The file could not be written; the disk may be full.</source>
        <translation>Het bestand kan niet worden geschreven; misschien is de schijf vol.</translation>
    </message>
    <message>
        <source>The private dictionary could not be saved:
%1
%2
The term was not added.</source>
        <translation>Het persoonlijke woordenboek kan niet worden opgeslagen:
%1
%2
De term is niet toegevoegd.</translation>
    </message>
    <message>
        <source>The private dictionary could not be opened:
%1
%2</source>
        <translation>Het persoonlijke woordenboek kan niet worden geopend:
%1
%2</translation>
    </message>
    <message>
        <source>The dictionary already holds an item for &quot;%1&quot;.
It was not added again; the region refers to the existing item.</source>
        <translation>Het woordenboek bevat al een item voor &quot;%1&quot;.
Het is niet opnieuw toegevoegd; het gebied verwijst naar het bestaande item.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEntryDlg</name>
    <message>
        <source>Image Dictionary Entry</source>
        <translation>Item in het woordenboek van de afbeelding</translation>
    </message>
    <message>
        <source>Choose a language and enter the
 term in the selected language ...</source>
        <translation>Kies een taal en voer de term
 in die taal in ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KelvoDictionaryMenu</name>
    <message>
        <source>Translate from ...</source>
        <translation>Vertalen uit ...</translation>
    </message>
    <message>
        <source>Translate to ...</source>
        <translation>Vertalen naar ...</translation>
    </message>
    <message>
        <source>Show coded word</source>
        <translation>Gecodeerd woord tonen</translation>
    </message>
    <message>
        <source>Show ambiguities</source>
        <translation>Dubbelzinnigheden tonen</translation>
    </message>
</context>
<context>
    <name>KelvoEditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
</context>
<context>
    <name>KelvoEditorShapedText</name>
    <message>
        <source>Click right mouse
button to edit</source>
        <translation>Klik met de rechtermuisknop
om te bewerken</translation>
    </message>
    <message>
        <source>Change properties</source>
        <translation>Eigenschappen wijzigen</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Tekst centreren</translation>
    </message>
    <message>
        <source>Remove this element</source>
        <translation>Dit element verwijderen</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
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
        <translation>Codering van de afbeelding voltooid ...</translation>
    </message>
    <message>
        <source>Data has been successfully embedded.
Do you want to save the coded image?</source>
        <translation>De gegevens zijn met succes ingesloten.
Wilt u de gecodeerde afbeelding opslaan?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Afbeeldingen (*.png)</translation>
    </message>
</context>
<context>
    <name>KelvoEncodeGeneration</name>
    <message>
        <source>Data %1</source>
        <translation>Gegevens %1</translation>
    </message>
    <message>
        <source>The data of these regions are packed so densely that they visibly change the picture there: %1</source>
        <translation>De gegevens van deze gebieden zijn zo dicht gepakt dat ze het beeld daar zichtbaar veranderen: %1</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The data of these regions are hidden and will not be coded into the image:
%1

Generate the coded image without them?</source>
        <translation>De gegevens van deze gebieden zijn verborgen en worden niet in de afbeelding gecodeerd:
%1

De gecodeerde afbeelding zonder deze gegevens genereren?</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Geselecteerde gebieden mogen elkaar niet overlappen.</translation>
    </message>
    <message>
        <source>A problem occured during generating the coded picture.</source>
        <translation>Bij het genereren van de gecodeerde afbeelding is een probleem opgetreden.</translation>
    </message>
    <message>
        <source>The coded picture could not be saved as &quot;%1&quot;:
%2</source>
        <translation>De gecodeerde afbeelding kan niet worden opgeslagen als &quot;%1&quot;:
%2</translation>
    </message>
</context>
<context>
    <name>KelvoHTMLGenerator</name>
    <message>
        <source>Link URL: </source>
        <translation>URL van de koppeling: </translation>
    </message>
    <message>
        <source>Kelvo - HTML Generator</source>
        <translation>Kelvo - HTML-generator</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Bestand: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breedte: </translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Hoogte: </translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Alles kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>For the web viewer (&lt;img data-kelvo&gt;)</source>
        <translation>Voor de webviewer (&lt;img data-kelvo&gt;)</translation>
    </message>
</context>
<context>
    <name>KelvoHelpBrowser</name>
    <message>
        <source>Kelvo - Help</source>
        <translation>Kelvo - Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startpagina</translation>
    </message>
</context>
<context>
    <name>KelvoImgEncodeWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Image parts are associated with data.
Would you like to generate the coded image now?</source>
        <translation>Aan delen van de afbeelding zijn gegevens gekoppeld.
Wilt u de gecodeerde afbeelding nu genereren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genereren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Image parts are associated with data that are not coded yet.
Generate the coded image, or save the picture without the data?</source>
        <translation>Er zijn delen van de afbeelding gekoppeld aan gegevens die nog niet gecodeerd zijn.
De gecodeerde afbeelding genereren, of de afbeelding zonder de gegevens opslaan?</translation>
    </message>
    <message>
        <source>Save plain</source>
        <translation>Zonder gegevens</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>Gebied verwijderen</translation>
    </message>
    <message>
        <source>Hide region</source>
        <translation>Gebied verbergen</translation>
    </message>
    <message>
        <source>Show region</source>
        <translation>Gebied tonen</translation>
    </message>
    <message>
        <source>Rename region</source>
        <translation>Gebied hernoemen</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Item verwijderen</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Gegevens verwijderen</translation>
    </message>
    <message>
        <source>Delete all data of &quot;%1&quot;?</source>
        <translation>Alle gegevens van ‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>KelvoImgGrabber</name>
    <message>
        <source>Kelvo - Image Grabber</source>
        <translation>Kelvo - Afbeeldingsfragmenten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Image Grabber Tools</source>
        <translation>Gereedschappen voor fragmenten</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Een rechthoekig gebied van de afbeelding selecteren</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Een gebied van de afbeelding uit de vrije hand selecteren</translation>
    </message>
    <message>
        <source>Select an image region by clicking its background</source>
        <translation>Een gebied van de afbeelding selecteren door op de achtergrond ervan te klikken</translation>
    </message>
    <message>
        <source>Grab selected image region</source>
        <translation>Geselecteerd gebied overnemen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Afbeeldingen (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
</context>
<context>
    <name>KelvoImgInputDlg</name>
    <message>
        <source>Unformatted text input</source>
        <translation>Niet-opgemaakte tekst invoeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>These characters cannot be stored in the picture and will be replaced by &quot;?&quot;:
%1

Store the text anyway?</source>
        <translation>Deze tekens kunnen niet in de afbeelding worden opgeslagen en worden vervangen door &quot;?&quot;:
%1

De tekst toch opslaan?</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
</context>
<context>
    <name>KelvoImgSelectCopyWidget</name>
    <message>
        <source>Select Region</source>
        <translation>Gebied selecteren</translation>
    </message>
    <message>
        <source>Click on the image background ...</source>
        <translation>Klik op de achtergrond van de afbeelding ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unfortunately, no closed contour could be found.</source>
        <translation>Er is helaas geen gesloten contour gevonden.</translation>
    </message>
</context>
<context>
    <name>KelvoImgSnip</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>Selected image region is larger than the original image.</source>
        <translation>Het geselecteerde gebied is groter dan de oorspronkelijke afbeelding.</translation>
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
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>De afbeelding bevat gecodeerde gegevens.</translation>
    </message>
    <message>
        <source>The image has been modified.
Do you want to save it?</source>
        <translation>De afbeelding is gewijzigd.
Wilt u deze opslaan?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>The image could not be loaded:
%1</source>
        <translation>De afbeelding kon niet worden geladen:
%1</translation>
    </message>
    <message>
        <source>These images could not be loaded:
%1</source>
        <translation>Deze afbeeldingen konden niet worden geladen:
%1</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>de afbeelding heeft geen pixels</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>%1 px (origineel) / %2 px (weergegeven)</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Eigenschappen van afbeelding</translation>
    </message>
    <message>
        <source>File Location:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hoogte:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Bestandsgrootte:</translation>
    </message>
    <message>
        <source>Annotated Areas:</source>
        <translation>Gebieden met aantekeningen:</translation>
    </message>
    <message>
        <source>  Unformatted Texts:</source>
        <translation>  Niet-opgemaakte teksten:</translation>
    </message>
    <message>
        <source>  Formatted Texts:</source>
        <translation>  Opgemaakte teksten:</translation>
    </message>
    <message>
        <source>  Translateable Texts:  </source>
        <translation>  Vertaalbare teksten:  </translation>
    </message>
    <message>
        <source>  Encoded Images:</source>
        <translation>  Gecodeerde afbeeldingen:</translation>
    </message>
    <message>
        <source>  Not shown (over the viewer&apos;s limits):</source>
        <translation>  Niet getoond (buiten de grenzen van de viewer):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Properties for &quot;%1&quot;</source>
        <translation>Eigenschappen van &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1MB (%2 bytes)</source>
        <translation>%1 MB (%2 bytes)</translation>
    </message>
    <message>
        <source>%1KB (%2 bytes)</source>
        <translation>%1 KB (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>KelvoPluginViewerWidget</name>
    <message>
        <source>Program Info</source>
        <translation>Programma-informatie</translation>
    </message>
    <message>
        <source>Kelvo Version 0.7
Shows the annotations hidden in pictures on web pages.</source>
        <translation>Kelvo versie 0.7
Toont de aantekeningen die in afbeeldingen op webpagina&apos;s verborgen zijn.</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Eigenschappen van afbeelding</translation>
    </message>
    <message>
        <source>Open Link Location</source>
        <translation>Koppelingsadres openen</translation>
    </message>
    <message>
        <source>Save Image As</source>
        <translation>Afbeelding opslaan als</translation>
    </message>
    <message>
        <source>Show Image Outlines</source>
        <translation>Omtrekken van de afbeelding tonen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Image Dictionary</source>
        <translation>Woordenboek van de afbeelding</translation>
    </message>
    <message>
        <source>save file dialog</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Preparing Image</source>
        <translation>Afbeelding wordt voorbereid</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The image was saved as
%1</source>
        <translation>De afbeelding is opgeslagen als
%1</translation>
    </message>
    <message>
        <source>The image could not be saved as
%1
%2</source>
        <translation>De afbeelding kon niet worden opgeslagen als
%1
%2</translation>
    </message>
</context>
<context>
    <name>KelvoShapedTextLimits</name>
    <message>
        <source>This element lies too far from its region to be stored in the picture: its coordinates must stay within %1 pixels of the region.</source>
        <translation>Dit element ligt te ver van zijn gebied om in de afbeelding te worden opgeslagen: de coördinaten moeten binnen %1 pixels van het gebied blijven.</translation>
    </message>
    <message>
        <source>The font size of this element must be between 1 and %1 points to be stored in the picture.</source>
        <translation>Om in de afbeelding te worden opgeslagen, moet de tekengrootte van dit element tussen 1 en %1 punten liggen.</translation>
    </message>
    <message>
        <source>The text of this element is too long to be stored in the picture: the element takes %1 bytes, and a picture region holds at most %2.</source>
        <translation>De tekst van dit element is te lang om in de afbeelding te worden opgeslagen: het element neemt %1 bytes in beslag en een gebied van de afbeelding bevat er ten hoogste %2.</translation>
    </message>
</context>
<context>
    <name>KelvoTextEditor</name>
    <message>
        <source>Text properties</source>
        <translation>Teksteigenschappen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Left align text</source>
        <translation>Links uitlijnen</translation>
    </message>
    <message>
        <source>Center align text</source>
        <translation>Centreren</translation>
    </message>
    <message>
        <source>Right align text</source>
        <translation>Rechts uitlijnen</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Tekstkleur wijzigen</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Achtergrondkleur wijzigen</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Transparante achtergrond</translation>
    </message>
    <message>
        <source>Background properties</source>
        <translation>Achtergrondeigenschappen</translation>
    </message>
    <message>
        <source>Contour width: 1</source>
        <translation>Contourdikte: 1</translation>
    </message>
    <message>
        <source>Change contour color</source>
        <translation>Contourkleur wijzigen</translation>
    </message>
    <message>
        <source>The picture keeps only Latin-1 characters; these will be lost: %1</source>
        <translation>De afbeelding bewaart alleen Latin-1-tekens; deze gaan verloren: %1</translation>
    </message>
    <message>
        <source>The picture cannot name the font &quot;%1&quot;; readers will see &quot;%2&quot;.</source>
        <translation>Het lettertype &quot;%1&quot; kan niet in de afbeelding worden vastgelegd; lezers zien &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <extracomment>The letter drawn on the bold button, as word processors in this language show it.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic button</comment>
        <extracomment>The letter drawn on the italic button, as word processors in this language show it.</extracomment>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>KelvoTextHolderWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Melding</translation>
    </message>
    <message>
        <source>The term is not in the dictionary yet.
You can now add it to your private dictionary ...</source>
        <translation>De term staat nog niet in het woordenboek.
U kunt deze nu aan uw persoonlijke woordenboek toevoegen ...</translation>
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
        <translation>Niet-opgemaakte tekst</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Tekst in een rechthoek</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Tekst in een ellips</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <translation>Tekstballon</translation>
    </message>
    <message>
        <source>Think bubble</source>
        <translation>Gedachtewolkje</translation>
    </message>
    <message>
        <source>Choose A Text Type</source>
        <translation>Kies een soort tekst</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>fout</translation>
    </message>
</context>
<context>
    <name>KelvoViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Passend in venster</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <translation>&amp;Werkelijke grootte</translation>
    </message>
</context>
<context>
    <name>KelvoWebViewer</name>
    <message>
        <source>Keep this text open</source>
        <translation>Deze tekst open houden</translation>
    </message>
    <message>
        <source>picture with %1 annotated areas; use the arrow keys to read them</source>
        <translation>afbeelding met %1 gebieden met aantekeningen; lees ze met de pijltoetsen</translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginInstance</name>
    <message>
        <source> The parameter &apos;src&apos; is not allowed! </source>
        <translation> De parameter &apos;src&apos; is niet toegestaan! </translation>
    </message>
    <message>
        <source> No image url specified in parameter &apos;kelvo&apos;! </source>
        <translation> De parameter &apos;kelvo&apos; bevat geen URL van een afbeelding! </translation>
    </message>
    <message>
        <source> No parameter &apos;kelvo&apos; specified! </source>
        <translation> De parameter &apos;kelvo&apos; ontbreekt! </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Kelvo-plug-in &gt;&gt; bezig met laden: </translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginWidget</name>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Kelvo-plug-in &gt;&gt; bezig met laden: </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; receiving:  </source>
        <translation> Kelvo-plug-in &gt;&gt; ontvangen:  </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; an error occured, while loading the image! Propably the image link is broken.</source>
        <translation> Kelvo-plug-in &gt;&gt; er is een fout opgetreden bij het laden van de afbeelding! Waarschijnlijk werkt de koppeling naar de afbeelding niet.</translation>
    </message>
    <message>
        <source>An Error occured</source>
        <translation>Er is een fout opgetreden</translation>
    </message>
</context>
</TS>
