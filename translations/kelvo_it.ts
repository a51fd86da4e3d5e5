<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Dragged</name>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
</context>
<context>
    <name>KelvoApp</name>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Immagini (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Immagini (*.png)</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.</source>
        <translation>Impossibile salvare l&apos;immagine come «%1».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Le aree selezionate non devono sovrapporsi.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Generate HTML code</source>
        <translation>&amp;Genera codice HTML</translation>
    </message>
    <message>
        <source>&amp;Image Dictionary</source>
        <translation>&amp;Dizionario dell&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Erase encoded data from image</source>
        <translation>Cancella i dati codificati dall&apos;immagine</translation>
    </message>
    <message>
        <source>Show coded image regions</source>
        <translation>Mostra le aree codificate dell&apos;immagine</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Seleziona un&apos;area rettangolare dell&apos;immagine</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Seleziona un&apos;area dell&apos;immagine a mano libera</translation>
    </message>
    <message>
        <source>Insert text into selected image region</source>
        <translation>Inserisci un testo nell&apos;area selezionata</translation>
    </message>
    <message>
        <source>Insert a dictionary entry into selected image region</source>
        <translation>Inserisci una voce del dizionario nell&apos;area selezionata</translation>
    </message>
    <message>
        <source>Insert image into selected image region</source>
        <translation>Inserisci un&apos;immagine nell&apos;area selezionata</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>Genera l&apos;immagine codificata</translation>
    </message>
    <message>
        <source>Kelvo - Pictorra</source>
        <translation>Kelvo - Pictorra</translation>
    </message>
    <message>
        <source>tools</source>
        <translation>strumenti</translation>
    </message>
    <message>
        <source>Kelvo is free software under the MIT licence.</source>
        <translation>Kelvo è software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>Region added with its data.</source>
        <translation>Zona aggiunta con i suoi dati.</translation>
    </message>
    <message>
        <source>Data attached to the region.</source>
        <translation>Dati allegati alla zona.</translation>
    </message>
    <message>
        <source>&amp;Overview Window</source>
        <translation>Finestra di &amp;riepilogo</translation>
    </message>
    <message>
        <source>&amp;Add Data</source>
        <translation>&amp;Aggiungi dati</translation>
    </message>
    <message>
        <source>Select &amp;Rectangle</source>
        <translation>Selezione &amp;rettangolare</translation>
    </message>
    <message>
        <source>Select &amp;Freehand</source>
        <translation>Selezione a &amp;mano libera</translation>
    </message>
    <message>
        <source>Add &amp;Text...</source>
        <translation>Aggiungi &amp;testo...</translation>
    </message>
    <message>
        <source>Add &amp;Dictionary Entry...</source>
        <translation>Aggiungi voce di &amp;dizionario...</translation>
    </message>
    <message>
        <source>Add &amp;Image...</source>
        <translation>Aggiungi &amp;immagine...</translation>
    </message>
    <message>
        <source>&amp;Generate the coded image</source>
        <translation>&amp;Genera l&apos;immagine codificata</translation>
    </message>
    <message>
        <source>&amp;Erase Coded Data...</source>
        <translation>&amp;Cancella i dati codificati...</translation>
    </message>
    <message>
        <source>&amp;Show Coded Regions</source>
        <translation>Mostra le &amp;zone codificate</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Sovrapponi</translation>
    </message>
    <message>
        <source>Kelvo &amp;Help</source>
        <translation>&amp;Guida di Kelvo</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>&amp;Informazioni su Kelvo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <translation>Salvato come «%1».</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>L&apos;immagine contiene dati codificati.</translation>
    </message>
    <message>
        <source>Coded data erased; the picture is not saved yet.</source>
        <translation>Dati codificati cancellati; l&apos;immagine non è ancora salvata.</translation>
    </message>
    <message>
        <source>Coded image generated and saved as &quot;%1&quot;.</source>
        <translation>Immagine codificata generata e salvata come «%1».</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>File &amp;recenti</translation>
    </message>
</context>
<context>
    <name>KelvoAppViewerWidget</name>
    <message>
        <source>Delete Data</source>
        <translation>Elimina dati</translation>
    </message>
    <message>
        <source>Delete all the data from the image?</source>
        <translation>Eliminare tutti i dati dall&apos;immagine?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select the region in the image
to be deleted ...</source>
        <translation>Selezionare nell&apos;immagine
l&apos;area da eliminare ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Elimina dati</translation>
    </message>
    <message>
        <source>There is no data encoded in this region</source>
        <translation>In quest&apos;area non ci sono dati codificati</translation>
    </message>
</context>
<context>
    <name>KelvoCommandLine</name>
    <message>
        <source>Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures.</source>
        <translation>Kelvo nasconde testi, termini del dizionario e ritagli di immagine nei pixel delle immagini.</translation>
    </message>
    <message>
        <source>Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer window, all others in an encoder window.</source>
        <translation>Immagini da aprire (BMP, JPEG, PNG, PPM o XPM). Le immagini codificate si aprono in una finestra di visualizzazione, tutte le altre in una finestra di codifica.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[IMMAGINE...]</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once the pictures are open, then quit.</source>
        <translation>Dopo aver aperto le immagini, salva un&apos;istantanea della finestra principale in &lt;file&gt; ed esce.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>Per ulteriori informazioni usare «kelvo --help».</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>The name --help gives the pictures in its list of arguments.</extracomment>
        <translation>immagini</translation>
    </message>
</context>
<context>
    <name>KelvoDataAttacher</name>
    <message>
        <source>Data %1</source>
        <translation>Dati %1</translation>
    </message>
    <message>
        <source>Edit dictionary entry</source>
        <translation>Modifica voce del dizionario</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>An image dictionary entry or another image is already specified for this region.</source>
        <translation>Per quest&apos;area è già stata indicata una voce del dizionario dell&apos;immagine o un&apos;altra immagine.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Unformatted text or another image is already specified for this region.</source>
        <translation>Per quest&apos;area è già stato indicato un testo non formattato o un&apos;altra immagine.</translation>
    </message>
    <message>
        <source>Add dictionary entry</source>
        <translation>Aggiungi voce del dizionario</translation>
    </message>
    <message>
        <source>Edit shaped text</source>
        <translation>Modifica testo sagomato</translation>
    </message>
    <message>
        <source>Resize shaped text</source>
        <translation>Ridimensiona testo sagomato</translation>
    </message>
    <message>
        <source>Add shaped text</source>
        <translation>Aggiungi testo sagomato</translation>
    </message>
    <message>
        <source>Add image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Move text</source>
        <translation>Sposta il testo</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidget</name>
    <message>
        <source>Remove dictionary entry &quot;%1&quot;</source>
        <translation>Rimuovi la voce del dizionario «%1»</translation>
    </message>
    <message>
        <source>Remove text &quot;%1&quot;</source>
        <translation>Rimuovi il testo «%1»</translation>
    </message>
    <message>
        <source>Remove shaped text &quot;%1&quot;</source>
        <translation>Rimuovi il testo sagomato «%1»</translation>
    </message>
    <message>
        <source>Remove image %1</source>
        <translation>Rimuovi l&apos;immagine %1</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidgetItem</name>
    <message>
        <source>Delete all data specified for this region.</source>
        <translation>Elimina tutti i dati di quest&apos;area.</translation>
    </message>
    <message>
        <source>New Identifier</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Show/hide all data specified for this region.
Caution: Hidden data will not be encoded into the image!</source>
        <translation>Mostra o nasconde tutti i dati di quest&apos;area.
Attenzione: i dati nascosti non verranno codificati nell&apos;immagine!</translation>
    </message>
    <message>
        <source>cannot be coded</source>
        <translation>non codificabile</translation>
    </message>
    <message>
        <source>%1 / %2 B: too much</source>
        <translation>%1 / %2 B: troppo</translation>
    </message>
    <message>
        <source>The data need more room than the region has: draw a larger region or shorten its data.</source>
        <translation>I dati richiedono più spazio di quello dell&apos;area: disegnare un&apos;area più grande o accorciare i dati.</translation>
    </message>
    <message>
        <source>%1 / %2 B, level %3</source>
        <translation>%1 / %2 B, livello %3</translation>
    </message>
    <message>
        <source>At this packing level the data visibly change the picture: draw a larger region or shorten its data.</source>
        <translation>A questo livello di compattazione i dati modificano visibilmente l&apos;immagine: disegnare un&apos;area più grande o accorciare i dati.</translation>
    </message>
    <message>
        <source>Bytes the data take after compression / the most the region holds, and the packing level.</source>
        <translation>Byte occupati dai dati compressi / byte che l&apos;area può contenere al massimo, e il livello di compattazione.</translation>
    </message>
    <message>
        <source>Remove one entry of this region.</source>
        <translation>Rimuovi una voce di quest&apos;area.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEditor</name>
    <message>
        <source>Dictionary Entries</source>
        <translation>Voci del dizionario</translation>
    </message>
    <message>
        <source>obligatory</source>
        <translation>obbligatorio</translation>
    </message>
    <message>
        <source>English:</source>
        <translation>Inglese:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Il file è troppo grande.</translation>
    </message>
    <message>
        <source>The file is not a valid dictionary.</source>
        <translation>Il file non è un dizionario valido.</translation>
    </message>
    <message>
        <source>The file does not exist any more.</source>
        <translation>Il file non esiste più.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>La cartella del file è di sola lettura.</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The English term is obligatory ...</source>
        <translation>Il termine inglese è obbligatorio ...</translation>
    </message>
    <message>
        <source>The English term identifies the item in pictures and cannot contain these characters:
%1</source>
        <translation>Il termine inglese identifica la voce nelle immagini e non può contenere questi caratteri:
%1</translation>
    </message>
    <message>
        <source>The file could not be written; the disk may be full.</source>
        <translation>Impossibile scrivere il file; il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>The private dictionary could not be saved:
%1
%2
The term was not added.</source>
        <translation>Impossibile salvare il dizionario personale:
%1
%2
Il termine non è stato aggiunto.</translation>
    </message>
    <message>
        <source>The private dictionary could not be opened:
%1
%2</source>
        <translation>Impossibile aprire il dizionario personale:
%1
%2</translation>
    </message>
    <message>
        <source>The dictionary already holds an item for &quot;%1&quot;.
It was not added again; the region refers to the existing item.</source>
        <translation>Il dizionario contiene già una voce per «%1».
Non è stata aggiunta di nuovo; l&apos;area rimanda alla voce esistente.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEntryDlg</name>
    <message>
        <source>Image Dictionary Entry</source>
        <translation>Voce del dizionario dell&apos;immagine</translation>
    </message>
    <message>
        <source>Choose a language and enter the
 term in the selected language ...</source>
        <translation>Scegliere una lingua e inserire
 il termine in quella lingua ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KelvoDictionaryMenu</name>
    <message>
        <source>Translate from ...</source>
        <translation>Traduci da ...</translation>
    </message>
    <message>
        <source>Translate to ...</source>
        <translation>Traduci in ...</translation>
    </message>
    <message>
        <source>Show coded word</source>
        <translation>Mostra la parola codificata</translation>
    </message>
    <message>
        <source>Show ambiguities</source>
        <translation>Mostra le ambiguità</translation>
    </message>
</context>
<context>
    <name>KelvoEditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>KelvoEditorShapedText</name>
    <message>
        <source>Click right mouse
button to edit</source>
        <translation>Fare clic con il tasto destro
per modificare</translation>
    </message>
    <message>
        <source>Change properties</source>
        <translation>Modifica proprietà</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Centra il testo</translation>
    </message>
    <message>
        <source>Remove this element</source>
        <translation>Rimuovi questo elemento</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
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
        <translation>Codifica dell&apos;immagine completata ...</translation>
    </message>
    <message>
        <source>Data has been successfully embedded.
Do you want to save the coded image?</source>
        <translation>I dati sono stati incorporati correttamente.
Salvare l&apos;immagine codificata?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Immagini (*.png)</translation>
    </message>
</context>
<context>
    <name>KelvoEncodeGeneration</name>
    <message>
        <source>Data %1</source>
        <translation>Dati %1</translation>
    </message>
    <message>
        <source>The data of these regions are packed so densely that they visibly change the picture there: %1</source>
        <translation>I dati di queste aree sono compattati così densamente da modificare visibilmente l&apos;immagine in quel punto: %1</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The data of these regions are hidden and will not be coded into the image:
%1

Generate the coded image without them?</source>
        <translation>I dati di queste regioni sono nascosti e non verranno codificati nell&apos;immagine:
%1

Generare l&apos;immagine codificata senza di essi?</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Le aree selezionate non devono sovrapporsi.</translation>
    </message>
    <message>
        <source>A problem occured during generating the coded picture.</source>
        <translation>Si è verificato un problema durante la generazione dell&apos;immagine codificata.</translation>
    </message>
    <message>
        <source>The coded picture could not be saved as &quot;%1&quot;:
%2</source>
        <translation>Impossibile salvare l&apos;immagine codificata come «%1»:
%2</translation>
    </message>
</context>
<context>
    <name>KelvoHTMLGenerator</name>
    <message>
        <source>Link URL: </source>
        <translation>URL del collegamento: </translation>
    </message>
    <message>
        <source>Kelvo - HTML Generator</source>
        <translation>Kelvo - Generatore HTML</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Larghezza: </translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Altezza: </translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>For the web viewer (&lt;img data-kelvo&gt;)</source>
        <translation>Per il visualizzatore web (&lt;img data-kelvo&gt;)</translation>
    </message>
</context>
<context>
    <name>KelvoHelpBrowser</name>
    <message>
        <source>Kelvo - Help</source>
        <translation>Kelvo - Guida</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pagina iniziale</translation>
    </message>
</context>
<context>
    <name>KelvoImgEncodeWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Image parts are associated with data.
Would you like to generate the coded image now?</source>
        <translation>Ad alcune parti dell&apos;immagine sono associati dei dati.
Generare ora l&apos;immagine codificata?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Image parts are associated with data that are not coded yet.
Generate the coded image, or save the picture without the data?</source>
        <translation>Alcune parti dell&apos;immagine sono associate a dati non ancora codificati.
Generare l&apos;immagine codificata o salvare l&apos;immagine senza i dati?</translation>
    </message>
    <message>
        <source>Save plain</source>
        <translation>Senza dati</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>Elimina area</translation>
    </message>
    <message>
        <source>Hide region</source>
        <translation>Nascondi area</translation>
    </message>
    <message>
        <source>Show region</source>
        <translation>Mostra area</translation>
    </message>
    <message>
        <source>Rename region</source>
        <translation>Rinomina area</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Rimuovi voce</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Elimina dati</translation>
    </message>
    <message>
        <source>Delete all data of &quot;%1&quot;?</source>
        <translation>Eliminare tutti i dati di «%1»?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>KelvoImgGrabber</name>
    <message>
        <source>Kelvo - Image Grabber</source>
        <translation>Kelvo - Ritagli di immagine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Image Grabber Tools</source>
        <translation>Strumenti di ritaglio</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Seleziona un&apos;area rettangolare dell&apos;immagine</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Seleziona un&apos;area dell&apos;immagine a mano libera</translation>
    </message>
    <message>
        <source>Select an image region by clicking its background</source>
        <translation>Seleziona un&apos;area dell&apos;immagine facendo clic sul suo sfondo</translation>
    </message>
    <message>
        <source>Grab selected image region</source>
        <translation>Preleva l&apos;area selezionata</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Immagini (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
</context>
<context>
    <name>KelvoImgInputDlg</name>
    <message>
        <source>Unformatted text input</source>
        <translation>Inserimento di testo non formattato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>These characters cannot be stored in the picture and will be replaced by &quot;?&quot;:
%1

Store the text anyway?</source>
        <translation>Questi caratteri non possono essere salvati nell&apos;immagine e verranno sostituiti da «?»:
%1

Salvare comunque il testo?</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>KelvoImgSelectCopyWidget</name>
    <message>
        <source>Select Region</source>
        <translation>Seleziona area</translation>
    </message>
    <message>
        <source>Click on the image background ...</source>
        <translation>Fare clic sullo sfondo dell&apos;immagine ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unfortunately, no closed contour could be found.</source>
        <translation>Purtroppo non è stato trovato alcun contorno chiuso.</translation>
    </message>
</context>
<context>
    <name>KelvoImgSnip</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>Selected image region is larger than the original image.</source>
        <translation>L&apos;area selezionata è più grande dell&apos;immagine originale.</translation>
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
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>L&apos;immagine contiene dati codificati.</translation>
    </message>
    <message>
        <source>The image has been modified.
Do you want to save it?</source>
        <translation>L&apos;immagine è stata modificata.
Salvarla?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The image could not be loaded:
%1</source>
        <translation>Impossibile caricare l&apos;immagine:
%1</translation>
    </message>
    <message>
        <source>These images could not be loaded:
%1</source>
        <translation>Impossibile caricare queste immagini:
%1</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>l&apos;immagine non ha pixel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>%1 px (originale) / %2 px (visualizzata)</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Proprietà dell&apos;immagine</translation>
    </message>
    <message>
        <source>File Location:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dimensione del file:</translation>
    </message>
    <message>
        <source>Annotated Areas:</source>
        <translation>Aree annotate:</translation>
    </message>
    <message>
        <source>  Unformatted Texts:</source>
        <translation>  Testi non formattati:</translation>
    </message>
    <message>
        <source>  Formatted Texts:</source>
        <translation>  Testi formattati:</translation>
    </message>
    <message>
        <source>  Translateable Texts:  </source>
        <translation>  Testi traducibili:  </translation>
    </message>
    <message>
        <source>  Encoded Images:</source>
        <translation>  Immagini codificate:</translation>
    </message>
    <message>
        <source>  Not shown (over the viewer&apos;s limits):</source>
        <translation>  Non mostrati (oltre i limiti del visualizzatore):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Properties for &quot;%1&quot;</source>
        <translation>Proprietà di «%1»</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1MB (%2 bytes)</source>
        <translation>%1 MB (%2 byte)</translation>
    </message>
    <message>
        <source>%1KB (%2 bytes)</source>
        <translation>%1 KB (%2 byte)</translation>
    </message>
</context>
<context>
    <name>KelvoPluginViewerWidget</name>
    <message>
        <source>Program Info</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Kelvo Version 0.7
Shows the annotations hidden in pictures on web pages.</source>
        <translation>Kelvo versione 0.7
Mostra le annotazioni nascoste nelle immagini delle pagine web.</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Proprietà dell&apos;immagine</translation>
    </message>
    <message>
        <source>Open Link Location</source>
        <translation>Apri l&apos;indirizzo del collegamento</translation>
    </message>
    <message>
        <source>Save Image As</source>
        <translation>Salva immagine con nome</translation>
    </message>
    <message>
        <source>Show Image Outlines</source>
        <translation>Mostra i contorni dell&apos;immagine</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Image Dictionary</source>
        <translation>Dizionario dell&apos;immagine</translation>
    </message>
    <message>
        <source>save file dialog</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Preparing Image</source>
        <translation>Preparazione dell&apos;immagine</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The image was saved as
%1</source>
        <translation>L&apos;immagine è stata salvata come
%1</translation>
    </message>
    <message>
        <source>The image could not be saved as
%1
%2</source>
        <translation>Impossibile salvare l&apos;immagine come
%1
%2</translation>
    </message>
</context>
<context>
    <name>KelvoShapedTextLimits</name>
    <message>
        <source>This element lies too far from its region to be stored in the picture: its coordinates must stay within %1 pixels of the region.</source>
        <translation>Questo elemento è troppo lontano dalla sua area per essere salvato nell&apos;immagine: le sue coordinate devono restare entro %1 pixel dall&apos;area.</translation>
    </message>
    <message>
        <source>The font size of this element must be between 1 and %1 points to be stored in the picture.</source>
        <translation>Per essere salvato nell&apos;immagine, questo elemento deve avere una dimensione del carattere compresa tra 1 e %1 punti.</translation>
    </message>
    <message>
        <source>The text of this element is too long to be stored in the picture: the element takes %1 bytes, and a picture region holds at most %2.</source>
        <translation>Il testo di questo elemento è troppo lungo per essere salvato nell&apos;immagine: l&apos;elemento occupa %1 byte e un&apos;area dell&apos;immagine ne contiene al massimo %2.</translation>
    </message>
</context>
<context>
    <name>KelvoTextEditor</name>
    <message>
        <source>Text properties</source>
        <translation>Proprietà del testo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Left align text</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Center align text</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Right align text</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Sfondo trasparente</translation>
    </message>
    <message>
        <source>Background properties</source>
        <translation>Proprietà dello sfondo</translation>
    </message>
    <message>
        <source>Contour width: 1</source>
        <translation>Spessore del contorno: 1</translation>
    </message>
    <message>
        <source>Change contour color</source>
        <translation>Colore del contorno</translation>
    </message>
    <message>
        <source>The picture keeps only Latin-1 characters; these will be lost: %1</source>
        <translation>L&apos;immagine conserva solo i caratteri Latin-1; questi andranno persi: %1</translation>
    </message>
    <message>
        <source>The picture cannot name the font &quot;%1&quot;; readers will see &quot;%2&quot;.</source>
        <translation>Il tipo di carattere «%1» non può essere indicato nell&apos;immagine; chi la legge vedrà «%2».</translation>
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
        <translation>C</translation>
    </message>
</context>
<context>
    <name>KelvoTextHolderWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Messaggio</translation>
    </message>
    <message>
        <source>The term is not in the dictionary yet.
You can now add it to your private dictionary ...</source>
        <translation>Il termine non è ancora nel dizionario.
Ora è possibile aggiungerlo al dizionario personale ...</translation>
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
        <translation>Testo non formattato</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Testo in un rettangolo</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Testo in un&apos;ellisse</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <translation>Fumetto</translation>
    </message>
    <message>
        <source>Think bubble</source>
        <translation>Fumetto di pensiero</translation>
    </message>
    <message>
        <source>Choose A Text Type</source>
        <translation>Scegli un tipo di testo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
</context>
<context>
    <name>KelvoViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <translation>Dimensioni &amp;effettive</translation>
    </message>
</context>
<context>
    <name>KelvoWebViewer</name>
    <message>
        <source>Keep this text open</source>
        <translation>Tieni aperto questo testo</translation>
    </message>
    <message>
        <source>picture with %1 annotated areas; use the arrow keys to read them</source>
        <translation>immagine con %1 aree annotate; usare i tasti freccia per leggerle</translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginInstance</name>
    <message>
        <source> The parameter &apos;src&apos; is not allowed! </source>
        <translation> Il parametro &apos;src&apos; non è consentito! </translation>
    </message>
    <message>
        <source> No image url specified in parameter &apos;kelvo&apos;! </source>
        <translation> Il parametro &apos;kelvo&apos; non indica alcun URL di immagine! </translation>
    </message>
    <message>
        <source> No parameter &apos;kelvo&apos; specified! </source>
        <translation> Manca il parametro &apos;kelvo&apos;! </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Plug-in Kelvo &gt;&gt; caricamento di: </translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginWidget</name>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Plug-in Kelvo &gt;&gt; caricamento di: </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; receiving:  </source>
        <translation> Plug-in Kelvo &gt;&gt; ricezione:  </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; an error occured, while loading the image! Propably the image link is broken.</source>
        <translation> Plug-in Kelvo &gt;&gt; si è verificato un errore durante il caricamento dell&apos;immagine! Probabilmente il collegamento all&apos;immagine non funziona.</translation>
    </message>
    <message>
        <source>An Error occured</source>
        <translation>Si è verificato un errore</translation>
    </message>
</context>
</TS>
