<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Dragged</name>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
</context>
<context>
    <name>KelvoApp</name>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Imágenes (*.png)</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.</source>
        <translation>No se ha podido guardar la imagen como «%1».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Las zonas seleccionadas no deben superponerse.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>&amp;Guardar como</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Generate HTML code</source>
        <translation>Generar código &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Image Dictionary</source>
        <translation>&amp;Diccionario de la imagen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Erase encoded data from image</source>
        <translation>Borrar los datos codificados de la imagen</translation>
    </message>
    <message>
        <source>Show coded image regions</source>
        <translation>Mostrar las zonas codificadas de la imagen</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Seleccionar una zona rectangular de la imagen</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Seleccionar una zona de la imagen a mano alzada</translation>
    </message>
    <message>
        <source>Insert text into selected image region</source>
        <translation>Insertar texto en la zona seleccionada</translation>
    </message>
    <message>
        <source>Insert a dictionary entry into selected image region</source>
        <translation>Insertar una entrada de diccionario en la zona seleccionada</translation>
    </message>
    <message>
        <source>Insert image into selected image region</source>
        <translation>Insertar una imagen en la zona seleccionada</translation>
    </message>
    <message>
        <source>Generate the coded image</source>
        <translation>Generar la imagen codificada</translation>
    </message>
    <message>
        <source>Kelvo - Pictorra</source>
        <translation>Kelvo - Pictorra</translation>
    </message>
    <message>
        <source>tools</source>
        <translation>herramientas</translation>
    </message>
    <message>
        <source>Kelvo is free software under the MIT licence.</source>
        <translation>Kelvo es software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Region added with its data.</source>
        <translation>Zona añadida con sus datos.</translation>
    </message>
    <message>
        <source>Data attached to the region.</source>
        <translation>Datos añadidos a la zona.</translation>
    </message>
    <message>
        <source>&amp;Overview Window</source>
        <translation>Ventana de &amp;vista general</translation>
    </message>
    <message>
        <source>&amp;Add Data</source>
        <translation>&amp;Añadir datos</translation>
    </message>
    <message>
        <source>Select &amp;Rectangle</source>
        <translation>Selección &amp;rectangular</translation>
    </message>
    <message>
        <source>Select &amp;Freehand</source>
        <translation>Selección a &amp;mano alzada</translation>
    </message>
    <message>
        <source>Add &amp;Text...</source>
        <translation>Añadir &amp;texto...</translation>
    </message>
    <message>
        <source>Add &amp;Dictionary Entry...</source>
        <translation>Añadir entrada de &amp;diccionario...</translation>
    </message>
    <message>
        <source>Add &amp;Image...</source>
        <translation>Añadir &amp;imagen...</translation>
    </message>
    <message>
        <source>&amp;Generate the coded image</source>
        <translation>&amp;Generar la imagen codificada</translation>
    </message>
    <message>
        <source>&amp;Erase Coded Data...</source>
        <translation>&amp;Borrar los datos codificados...</translation>
    </message>
    <message>
        <source>&amp;Show Coded Regions</source>
        <translation>Mostrar las &amp;zonas codificadas</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Kelvo &amp;Help</source>
        <translation>Ay&amp;uda de Kelvo</translation>
    </message>
    <message>
        <source>&amp;About Kelvo</source>
        <translation>&amp;Acerca de Kelvo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>V&amp;entana</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;.</source>
        <translation>Guardado como «%1».</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>La imagen contiene datos codificados.</translation>
    </message>
    <message>
        <source>Coded data erased; the picture is not saved yet.</source>
        <translation>Datos codificados borrados; la imagen aún no se ha guardado.</translation>
    </message>
    <message>
        <source>Coded image generated and saved as &quot;%1&quot;.</source>
        <translation>Imagen codificada generada y guardada como «%1».</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
</context>
<context>
    <name>KelvoAppViewerWidget</name>
    <message>
        <source>Delete Data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message>
        <source>Delete all the data from the image?</source>
        <translation>¿Eliminar todos los datos de la imagen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select the region in the image
to be deleted ...</source>
        <translation>Seleccione en la imagen
la zona que desea eliminar ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Delete data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message>
        <source>There is no data encoded in this region</source>
        <translation>No hay datos codificados en esta zona</translation>
    </message>
</context>
<context>
    <name>KelvoCommandLine</name>
    <message>
        <source>Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures.</source>
        <translation>Kelvo oculta textos, términos de diccionario y fragmentos de imagen en los píxeles de las imágenes.</translation>
    </message>
    <message>
        <source>Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer window, all others in an encoder window.</source>
        <translation>Imágenes que se abrirán (BMP, JPEG, PNG, PPM o XPM). Las imágenes codificadas se abren en una ventana de visualización; las demás, en una ventana de codificación.</translation>
    </message>
    <message>
        <source>[PICTURE...]</source>
        <translation>[IMAGEN...]</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once the pictures are open, then quit.</source>
        <translation>Una vez abiertas las imágenes, guardar una captura de la ventana principal en &lt;archivo&gt; y salir.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Try &quot;kelvo --help&quot; for more information.</source>
        <translation>Para más información, use «kelvo --help».</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>The name --help gives the pictures in its list of arguments.</extracomment>
        <translation>imágenes</translation>
    </message>
</context>
<context>
    <name>KelvoDataAttacher</name>
    <message>
        <source>Data %1</source>
        <translation>Datos %1</translation>
    </message>
    <message>
        <source>Edit dictionary entry</source>
        <translation>Editar entrada de diccionario</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>An image dictionary entry or another image is already specified for this region.</source>
        <translation>Ya hay una entrada del diccionario de la imagen u otra imagen asignada a esta zona.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Unformatted text or another image is already specified for this region.</source>
        <translation>Ya hay texto sin formato u otra imagen asignada a esta zona.</translation>
    </message>
    <message>
        <source>Add dictionary entry</source>
        <translation>Añadir entrada de diccionario</translation>
    </message>
    <message>
        <source>Edit shaped text</source>
        <translation>Editar texto con forma</translation>
    </message>
    <message>
        <source>Resize shaped text</source>
        <translation>Cambiar el tamaño del texto con forma</translation>
    </message>
    <message>
        <source>Add shaped text</source>
        <translation>Añadir texto con forma</translation>
    </message>
    <message>
        <source>Add image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Move text</source>
        <translation>Mover el texto</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidget</name>
    <message>
        <source>Remove dictionary entry &quot;%1&quot;</source>
        <translation>Quitar la entrada de diccionario «%1»</translation>
    </message>
    <message>
        <source>Remove text &quot;%1&quot;</source>
        <translation>Quitar el texto «%1»</translation>
    </message>
    <message>
        <source>Remove shaped text &quot;%1&quot;</source>
        <translation>Quitar el texto con forma «%1»</translation>
    </message>
    <message>
        <source>Remove image %1</source>
        <translation>Quitar la imagen %1</translation>
    </message>
</context>
<context>
    <name>KelvoDataManageWidgetItem</name>
    <message>
        <source>Delete all data specified for this region.</source>
        <translation>Eliminar todos los datos de esta zona.</translation>
    </message>
    <message>
        <source>New Identifier</source>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Show/hide all data specified for this region.
Caution: Hidden data will not be encoded into the image!</source>
        <translation>Mostrar u ocultar todos los datos de esta zona.
Atención: ¡los datos ocultos no se codificarán en la imagen!</translation>
    </message>
    <message>
        <source>cannot be coded</source>
        <translation>no se puede codificar</translation>
    </message>
    <message>
        <source>%1 / %2 B: too much</source>
        <translation>%1 / %2 B: demasiado</translation>
    </message>
    <message>
        <source>The data need more room than the region has: draw a larger region or shorten its data.</source>
        <translation>Los datos necesitan más espacio del que tiene la zona: dibuje una zona más grande o acorte sus datos.</translation>
    </message>
    <message>
        <source>%1 / %2 B, level %3</source>
        <translation>%1 / %2 B, nivel %3</translation>
    </message>
    <message>
        <source>At this packing level the data visibly change the picture: draw a larger region or shorten its data.</source>
        <translation>Con este nivel de empaquetado los datos cambian la imagen de forma visible: dibuje una zona más grande o acorte sus datos.</translation>
    </message>
    <message>
        <source>Bytes the data take after compression / the most the region holds, and the packing level.</source>
        <translation>Bytes que ocupan los datos comprimidos / bytes que caben como máximo en la zona, y el nivel de empaquetado.</translation>
    </message>
    <message>
        <source>Remove one entry of this region.</source>
        <translation>Quitar una entrada de esta zona.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEditor</name>
    <message>
        <source>Dictionary Entries</source>
        <translation>Entradas del diccionario</translation>
    </message>
    <message>
        <source>obligatory</source>
        <translation>obligatorio</translation>
    </message>
    <message>
        <source>English:</source>
        <translation>Inglés:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>The file is not a valid dictionary.</source>
        <translation>El archivo no es un diccionario válido.</translation>
    </message>
    <message>
        <source>The file does not exist any more.</source>
        <translation>El archivo ya no existe.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>La carpeta del archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The English term is obligatory ...</source>
        <translation>El término en inglés es obligatorio ...</translation>
    </message>
    <message>
        <source>The English term identifies the item in pictures and cannot contain these characters:
%1</source>
        <translation>El término en inglés identifica la entrada en las imágenes y no puede contener estos caracteres:
%1</translation>
    </message>
    <message>
        <source>The file could not be written; the disk may be full.</source>
        <translation>No se ha podido escribir el archivo; puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>The private dictionary could not be saved:
%1
%2
The term was not added.</source>
        <translation>No se ha podido guardar el diccionario personal:
%1
%2
El término no se ha añadido.</translation>
    </message>
    <message>
        <source>The private dictionary could not be opened:
%1
%2</source>
        <translation>No se ha podido abrir el diccionario personal:
%1
%2</translation>
    </message>
    <message>
        <source>The dictionary already holds an item for &quot;%1&quot;.
It was not added again; the region refers to the existing item.</source>
        <translation>El diccionario ya contiene una entrada para «%1».
No se ha vuelto a añadir; la zona remite a la entrada existente.</translation>
    </message>
</context>
<context>
    <name>KelvoDictEntryDlg</name>
    <message>
        <source>Image Dictionary Entry</source>
        <translation>Entrada del diccionario de la imagen</translation>
    </message>
    <message>
        <source>Choose a language and enter the
 term in the selected language ...</source>
        <translation>Elija un idioma y escriba
 el término en ese idioma ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KelvoDictionaryMenu</name>
    <message>
        <source>Translate from ...</source>
        <translation>Traducir de ...</translation>
    </message>
    <message>
        <source>Translate to ...</source>
        <translation>Traducir a ...</translation>
    </message>
    <message>
        <source>Show coded word</source>
        <translation>Mostrar la palabra codificada</translation>
    </message>
    <message>
        <source>Show ambiguities</source>
        <translation>Mostrar ambigüedades</translation>
    </message>
</context>
<context>
    <name>KelvoEditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>KelvoEditorShapedText</name>
    <message>
        <source>Click right mouse
button to edit</source>
        <translation>Haga clic derecho
para editar</translation>
    </message>
    <message>
        <source>Change properties</source>
        <translation>Cambiar propiedades</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Centrar texto</translation>
    </message>
    <message>
        <source>Remove this element</source>
        <translation>Quitar este elemento</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KelvoEncDoneDlg</name>
    <message>
        <source>Image Coding Finished ...</source>
        <translation>Codificación de la imagen terminada ...</translation>
    </message>
    <message>
        <source>Data has been successfully embedded.
Do you want to save the coded image?</source>
        <translation>Los datos se han incrustado correctamente.
¿Desea guardar la imagen codificada?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Imágenes (*.png)</translation>
    </message>
</context>
<context>
    <name>KelvoEncodeGeneration</name>
    <message>
        <source>Data %1</source>
        <translation>Datos %1</translation>
    </message>
    <message>
        <source>The data of these regions are packed so densely that they visibly change the picture there: %1</source>
        <translation>Los datos de estas zonas están tan empaquetados que cambian la imagen de forma visible en ese lugar: %1</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The data of these regions are hidden and will not be coded into the image:
%1

Generate the coded image without them?</source>
        <translation>Los datos de estas regiones están ocultos y no se codificarán en la imagen:
%1

¿Generar la imagen codificada sin ellos?</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Selected regions should not overlap.</source>
        <translation>Las zonas seleccionadas no deben superponerse.</translation>
    </message>
    <message>
        <source>A problem occured during generating the coded picture.</source>
        <translation>Se ha producido un problema al generar la imagen codificada.</translation>
    </message>
    <message>
        <source>The coded picture could not be saved as &quot;%1&quot;:
%2</source>
        <translation>No se ha podido guardar la imagen codificada como «%1»:
%2</translation>
    </message>
</context>
<context>
    <name>KelvoHTMLGenerator</name>
    <message>
        <source>Link URL: </source>
        <translation>URL del enlace: </translation>
    </message>
    <message>
        <source>Kelvo - HTML Generator</source>
        <translation>Kelvo - Generador de HTML</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Ancho: </translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Alto: </translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>For the web viewer (&lt;img data-kelvo&gt;)</source>
        <translation>Para el visor web (&lt;img data-kelvo&gt;)</translation>
    </message>
</context>
<context>
    <name>KelvoHelpBrowser</name>
    <message>
        <source>Kelvo - Help</source>
        <translation>Kelvo - Ayuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>KelvoImgEncodeWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Image parts are associated with data.
Would you like to generate the coded image now?</source>
        <translation>Hay partes de la imagen con datos asociados.
¿Desea generar ahora la imagen codificada?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Image parts are associated with data that are not coded yet.
Generate the coded image, or save the picture without the data?</source>
        <translation>Hay partes de la imagen asociadas a datos que aún no están codificados.
¿Generar la imagen codificada o guardar la imagen sin los datos?</translation>
    </message>
    <message>
        <source>Save plain</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Delete region</source>
        <translation>Eliminar zona</translation>
    </message>
    <message>
        <source>Hide region</source>
        <translation>Ocultar zona</translation>
    </message>
    <message>
        <source>Show region</source>
        <translation>Mostrar zona</translation>
    </message>
    <message>
        <source>Rename region</source>
        <translation>Renombrar zona</translation>
    </message>
    <message>
        <source>Remove entry</source>
        <translation>Quitar entrada</translation>
    </message>
    <message>
        <source>Delete Data</source>
        <translation>Eliminar datos</translation>
    </message>
    <message>
        <source>Delete all data of &quot;%1&quot;?</source>
        <translation>¿Eliminar todos los datos de «%1»?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>KelvoImgGrabber</name>
    <message>
        <source>Kelvo - Image Grabber</source>
        <translation>Kelvo - Recortes de imagen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Image Grabber Tools</source>
        <translation>Herramientas de recorte</translation>
    </message>
    <message>
        <source>Select a rectangular image region</source>
        <translation>Seleccionar una zona rectangular de la imagen</translation>
    </message>
    <message>
        <source>Select any image region</source>
        <translation>Seleccionar una zona de la imagen a mano alzada</translation>
    </message>
    <message>
        <source>Select an image region by clicking its background</source>
        <translation>Seleccionar una zona de la imagen haciendo clic en su fondo</translation>
    </message>
    <message>
        <source>Grab selected image region</source>
        <translation>Tomar la zona seleccionada</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)</translation>
    </message>
</context>
<context>
    <name>KelvoImgInputDlg</name>
    <message>
        <source>Unformatted text input</source>
        <translation>Introducir texto sin formato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>These characters cannot be stored in the picture and will be replaced by &quot;?&quot;:
%1

Store the text anyway?</source>
        <translation>Estos caracteres no se pueden guardar en la imagen y se sustituirán por «?»:
%1

¿Guardar el texto de todos modos?</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>KelvoImgSelectCopyWidget</name>
    <message>
        <source>Select Region</source>
        <translation>Seleccionar zona</translation>
    </message>
    <message>
        <source>Click on the image background ...</source>
        <translation>Haga clic en el fondo de la imagen ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Unfortunately, no closed contour could be found.</source>
        <translation>Lo sentimos, no se ha encontrado ningún contorno cerrado.</translation>
    </message>
</context>
<context>
    <name>KelvoImgSnip</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>Selected image region is larger than the original image.</source>
        <translation>La zona seleccionada es más grande que la imagen original.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KelvoImgWidget</name>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The image has coded data.</source>
        <translation>La imagen contiene datos codificados.</translation>
    </message>
    <message>
        <source>The image has been modified.
Do you want to save it?</source>
        <translation>La imagen se ha modificado.
¿Desea guardarla?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The image could not be loaded:
%1</source>
        <translation>No se pudo cargar la imagen:
%1</translation>
    </message>
    <message>
        <source>These images could not be loaded:
%1</source>
        <translation>No se pudieron cargar estas imágenes:
%1</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>la imagen no tiene píxeles</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KelvoInfoWidget</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KelvoPluginImagePropertiesDialog</name>
    <message>
        <source>%1 px (original) / %2 px (displayed)</source>
        <translation>%1 px (original) / %2 px (mostrado)</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Propiedades de la imagen</translation>
    </message>
    <message>
        <source>File Location:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamaño del archivo:</translation>
    </message>
    <message>
        <source>Annotated Areas:</source>
        <translation>Zonas anotadas:</translation>
    </message>
    <message>
        <source>  Unformatted Texts:</source>
        <translation>  Textos sin formato:</translation>
    </message>
    <message>
        <source>  Formatted Texts:</source>
        <translation>  Textos con formato:</translation>
    </message>
    <message>
        <source>  Translateable Texts:  </source>
        <translation>  Textos traducibles:  </translation>
    </message>
    <message>
        <source>  Encoded Images:</source>
        <translation>  Imágenes codificadas:</translation>
    </message>
    <message>
        <source>  Not shown (over the viewer&apos;s limits):</source>
        <translation>  No mostrados (superan los límites del visor):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Properties for &quot;%1&quot;</source>
        <translation>Propiedades de «%1»</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
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
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>Kelvo Version 0.7
Shows the annotations hidden in pictures on web pages.</source>
        <translation>Kelvo versión 0.7
Muestra las anotaciones ocultas en las imágenes de las páginas web.</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Propiedades de la imagen</translation>
    </message>
    <message>
        <source>Open Link Location</source>
        <translation>Abrir la dirección del enlace</translation>
    </message>
    <message>
        <source>Save Image As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>Show Image Outlines</source>
        <translation>Mostrar los contornos de la imagen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Image Dictionary</source>
        <translation>Diccionario de la imagen</translation>
    </message>
    <message>
        <source>save file dialog</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Preparing Image</source>
        <translation>Preparando la imagen</translation>
    </message>
    <message>
        <source>Kelvo - Message</source>
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The image was saved as
%1</source>
        <translation>La imagen se ha guardado como
%1</translation>
    </message>
    <message>
        <source>The image could not be saved as
%1
%2</source>
        <translation>No se pudo guardar la imagen como
%1
%2</translation>
    </message>
</context>
<context>
    <name>KelvoShapedTextLimits</name>
    <message>
        <source>This element lies too far from its region to be stored in the picture: its coordinates must stay within %1 pixels of the region.</source>
        <translation>Este elemento está demasiado lejos de su zona para guardarse en la imagen: sus coordenadas deben quedar a menos de %1 píxeles de la zona.</translation>
    </message>
    <message>
        <source>The font size of this element must be between 1 and %1 points to be stored in the picture.</source>
        <translation>Para guardarse en la imagen, el tamaño de fuente de este elemento debe estar entre 1 y %1 puntos.</translation>
    </message>
    <message>
        <source>The text of this element is too long to be stored in the picture: the element takes %1 bytes, and a picture region holds at most %2.</source>
        <translation>El texto de este elemento es demasiado largo para guardarse en la imagen: el elemento ocupa %1 bytes y una zona de la imagen admite como máximo %2.</translation>
    </message>
</context>
<context>
    <name>KelvoTextEditor</name>
    <message>
        <source>Text properties</source>
        <translation>Propiedades del texto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Left align text</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Center align text</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Right align text</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Change background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Fondo transparente</translation>
    </message>
    <message>
        <source>Background properties</source>
        <translation>Propiedades del fondo</translation>
    </message>
    <message>
        <source>Contour width: 1</source>
        <translation>Grosor del contorno: 1</translation>
    </message>
    <message>
        <source>Change contour color</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>The picture keeps only Latin-1 characters; these will be lost: %1</source>
        <translation>La imagen solo conserva caracteres Latin-1; se perderán estos: %1</translation>
    </message>
    <message>
        <source>The picture cannot name the font &quot;%1&quot;; readers will see &quot;%2&quot;.</source>
        <translation>La fuente «%1» no se puede indicar en la imagen; los lectores verán «%2».</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <extracomment>The letter drawn on the bold button, as word processors in this language show it.</extracomment>
        <translation>N</translation>
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
        <translation>Kelvo - Mensaje</translation>
    </message>
    <message>
        <source>The term is not in the dictionary yet.
You can now add it to your private dictionary ...</source>
        <translation>El término aún no está en el diccionario.
Ahora puede añadirlo a su diccionario personal ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KelvoTextTypeDlg</name>
    <message>
        <source>Unformatted text</source>
        <translation>Texto sin formato</translation>
    </message>
    <message>
        <source>Text in a rectangle</source>
        <translation>Texto en un rectángulo</translation>
    </message>
    <message>
        <source>Text in an ellipse</source>
        <translation>Texto en una elipse</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <translation>Bocadillo de diálogo</translation>
    </message>
    <message>
        <source>Think bubble</source>
        <translation>Bocadillo de pensamiento</translation>
    </message>
    <message>
        <source>Choose A Text Type</source>
        <translation>Elegir un tipo de texto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KelvoTextWidget</name>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
</context>
<context>
    <name>KelvoViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
</context>
<context>
    <name>KelvoWebViewer</name>
    <message>
        <source>Keep this text open</source>
        <translation>Mantener este texto abierto</translation>
    </message>
    <message>
        <source>picture with %1 annotated areas; use the arrow keys to read them</source>
        <translation>imagen con %1 zonas anotadas; léalas con las teclas de flecha</translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginInstance</name>
    <message>
        <source> The parameter &apos;src&apos; is not allowed! </source>
        <translation> ¡El parámetro &apos;src&apos; no está permitido! </translation>
    </message>
    <message>
        <source> No image url specified in parameter &apos;kelvo&apos;! </source>
        <translation> ¡El parámetro &apos;kelvo&apos; no indica ninguna URL de imagen! </translation>
    </message>
    <message>
        <source> No parameter &apos;kelvo&apos; specified! </source>
        <translation> ¡Falta el parámetro &apos;kelvo&apos;! </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Complemento Kelvo &gt;&gt; cargando: </translation>
    </message>
</context>
<context>
    <name>NPKelvoPluginWidget</name>
    <message>
        <source> Kelvo plugin &gt;&gt; try loading: </source>
        <translation> Complemento Kelvo &gt;&gt; cargando: </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; receiving:  </source>
        <translation> Complemento Kelvo &gt;&gt; recibiendo:  </translation>
    </message>
    <message>
        <source> Kelvo plugin &gt;&gt; an error occured, while loading the image! Propably the image link is broken.</source>
        <translation> Complemento Kelvo &gt;&gt; ¡se ha producido un error al cargar la imagen! Probablemente el enlace a la imagen no funciona.</translation>
    </message>
    <message>
        <source>An Error occured</source>
        <translation>Se ha producido un error</translation>
    </message>
</context>
</TS>
