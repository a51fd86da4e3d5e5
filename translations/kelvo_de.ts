<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KelvoAppBase</name>
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
        <source>Overview Window</source>
        <translation>Übersichtsfenster</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>Daten hinzufügen</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Kelvo</source>
        <translation>Über Kelvo</translation>
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
        <translation>Einen beliebigen Bildbereich auswählen</translation>
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
        <translation>Bild in den ausgewählten Bildbereich einfügen</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>Das codierte Bild erzeugen</translation>
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
        <translation>Zu öffnende Bilder (BMP, JPEG, PNG, PPM oder XPM). Codierte Bilder öffnen sich in einem Betrachterfenster, alle anderen in einem Codierfenster.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[BILD...]</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>&quot;kelvo --help&quot; zeigt weitere Informationen.</translation>
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
    <name>KelvoImgWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Meldung</translation>
    </message>
    <message>
        <source>The image could not be loaded.</source>
        <translation>Das Bild konnte nicht geladen werden.</translation>
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
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
