<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>BoardDocument</name>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>no space left on the disk (%1)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>no permission to write in that folder</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>not a board file</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Save board</translation>
    </message>
    <message>
        <source>Tablero (*.tavelo)</source>
        <translation>Board (*.tavelo)</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Board saved to %1</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Open board</translation>
    </message>
    <message>
        <source>No se abrió %1: antes, responda a la pregunta abierta</source>
        <translation>%1 was not opened: answer the open question first</translation>
    </message>
    <message>
        <source>No se pudo abrir %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>No hay último tablero: se guarda al salir con Salir</source>
        <translation>No last board: it is kept when leaving with Quit</translation>
    </message>
    <message>
        <source>Tablero abierto: %1 (páginas: %2; Ctrl+Z lo deshace)</source>
        <translation>Board opened: %1 (pages: %2; Ctrl+Z undoes it)</translation>
    </message>
    <message>
        <source>El tablero tiene dibujos sin guardar.</source>
        <translation>The board has unsaved drawings.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo exportar %1: %2</source>
        <translation>Could not export %1: %2</translation>
    </message>
    <message>
        <source>PDF guardado en %1 (páginas: %2)</source>
        <translation>PDF saved to %1 (pages: %2)</translation>
    </message>
    <message>
        <source>tablero-%1.%2</source>
        <translation>board-%1.%2</translation>
    </message>
</context>
<context>
    <name>BoardInstance</name>
    <message>
        <source>%1 no es una carpeta</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>la carpeta %1 pertenece a otro usuario</source>
        <translation>the folder %1 belongs to another user</translation>
    </message>
    <message>
        <source>otros usuarios pueden entrar en la carpeta %1</source>
        <translation>other users can enter the folder %1</translation>
    </message>
    <message>
        <source>no se pudo crear la carpeta %1</source>
        <translation>could not create the folder %1</translation>
    </message>
    <message>
        <source>%1 no está disponible</source>
        <translation>%1 is not available</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>A board to present a screen in a video call</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <source>Turns pass-through on or off in the running board (starts one when none is running).</source>
        <translation>Turns pass-through on or off in the running board (starts one when none is running).</translation>
    </message>
    <message>
        <source>Brings the running board to the front.</source>
        <translation>Brings the running board to the front.</translation>
    </message>
    <message>
        <source>Clears the running board (Limpiar).</source>
        <translation>Clears the running board (Clear).</translation>
    </message>
    <message>
        <source>Puts the board, running or starting, on the screen of that name.</source>
        <translation>Puts the board, running or starting, on the screen of that name.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Opens the board file in the running board, or in the board that starts.</source>
        <translation>Opens the board file in the running board, or in the board that starts.</translation>
    </message>
    <message>
        <source>FILE.tavelo</source>
        <translation>FILE.tavelo</translation>
    </message>
    <message>
        <source>Writes every page of the board file given to the PDF, without showing a window, and ends.</source>
        <translation>Writes every page of the board file given to the PDF, without showing a window, and ends.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>OUT.pdf</translation>
    </message>
    <message>
        <source>A board file to open, as --open.</source>
        <translation>A board file to open, as --open.</translation>
    </message>
    <message>
        <source>[FILE.tavelo]</source>
        <translation>[FILE.tavelo]</translation>
    </message>
    <message>
        <source>falta el tablero: --export-pdf OUT.pdf FILE.tavelo</source>
        <translation>the board is missing: --export-pdf OUT.pdf FILE.tavelo</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo exportar %1: %2
</source>
        <translation>CorvaneTaveloWindow2: could not export %1: %2
</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Borrar página</source>
        <translation>Delete page</translation>
    </message>
    <message>
        <source>fuente</source>
        <translation>font</translation>
    </message>
    <message>
        <source>color</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>recuadro</source>
        <translation>box</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Borrar texto</source>
        <translation>Delete text</translation>
    </message>
    <message>
        <source>editar texto</source>
        <translation>edit text</translation>
    </message>
    <message>
        <source>Texto recortado: una etiqueta admite hasta %1 caracteres</source>
        <translation>Text cut short: a label takes up to %1 characters</translation>
    </message>
    <message>
        <source>mover</source>
        <translation>move</translation>
    </message>
    <message>
        <source>vértice</source>
        <translation>vertex</translation>
    </message>
    <message>
        <source>fondo</source>
        <translation>background</translation>
    </message>
    <message>
        <source>borrador</source>
        <translation>eraser</translation>
    </message>
    <message>
        <source>flecha</source>
        <translation>arrow</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Zona difuminada</source>
        <translation>Area blurred</translation>
    </message>
    <message>
        <source>No se pudo difuminar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Could not blur the area: the system gave no picture of the screen</translation>
    </message>
    <message>
        <source>No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Could not copy the area: the system gave no picture of the screen</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Imagen copiada al portapapeles</source>
        <translation>Picture copied to the clipboard</translation>
    </message>
    <message>
        <source>elipse</source>
        <translation>ellipse</translation>
    </message>
    <message>
        <source>resaltador</source>
        <translation>highlighter</translation>
    </message>
    <message>
        <source>línea</source>
        <translation>line</translation>
    </message>
    <message>
        <source>número</source>
        <translation>number</translation>
    </message>
    <message>
        <source>trazo</source>
        <translation>stroke</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>shape</translation>
    </message>
    <message>
        <source>rectángulo</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>not a board file</translation>
    </message>
    <message>
        <source>versión %1 del archivo, más nueva que este programa</source>
        <translation>file version %1, newer than this program</translation>
    </message>
    <message>
        <source>el archivo está dañado</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>el archivo tiene varias páginas</source>
        <translation>the file has several pages</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>este escritorio no permite teclas globales</source>
        <translation>this desktop allows no global keys</translation>
    </message>
    <message>
        <source>la tecla %1 no se puede usar</source>
        <translation>the key %1 cannot be used</translation>
    </message>
    <message>
        <source>otro programa usa la tecla %1</source>
        <translation>another program uses the key %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Amarillo</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Celeste</source>
        <translation>Light blue</translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Forma</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Proc</source>
        <translation>Proc</translation>
    </message>
    <message>
        <source>I/O</source>
        <translation>I/O</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Resaltador</source>
        <translation>Highlighter</translation>
    </message>
    <message>
        <source>Borrador</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Láser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Foco</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Grosor</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Más grueso</source>
        <translation>Broader</translation>
    </message>
    <message>
        <source>Más fino</source>
        <translation>Finer</translation>
    </message>
    <message>
        <source>Páginas</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Nueva página</source>
        <translation>New page</translation>
    </message>
    <message>
        <source>Borrar página</source>
        <translation>Delete page</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Save board</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Open board</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Fondo</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Guardar el tablero como imagen</source>
        <translation>Save the board as a picture</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Recuadro</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Recuadro: las etiquetas sobre una caja del color de relleno</source>
        <translation>Box: labels on a box in the fill colour</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Sistema listo</source>
        <translation>System ready</translation>
    </message>
    <message>
        <source>Preferencias dañadas: apartadas en %1</source>
        <translation>Damaged preferences: set aside in %1</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Preferencias bloqueadas por otro programa: los cambios no se guardarán</source>
        <translation>Preferences locked by another program: changes will not be saved</translation>
    </message>
    <message>
        <source>&amp;Maximizar</source>
        <translation>&amp;Maximize</translation>
    </message>
    <message>
        <source>0,0</source>
        <translation>0,0</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Enviar al frente</source>
        <translation>Bring to front</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Enviar al fondo</source>
        <translation>Send to back</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Enviar item al fondo</source>
        <translation>Send item to back</translation>
    </message>
    <message>
        <source>Minimizar</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Maximizar</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Borrar item</source>
        <translation>Delete item</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>A&amp;bout</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Lupa: %1 x. Rueda o Ctrl++ / Ctrl+- para el aumento, Esc para salir</source>
        <translation>Lens: %1 x. Wheel or Ctrl++ / Ctrl+- for the magnification, Esc to leave</translation>
    </message>
    <message>
        <source>El escritorio no se puede ampliar aquí: la lupa amplía solo los dibujos</source>
        <translation>The desktop cannot be magnified here: the lens magnifies only the drawings</translation>
    </message>
    <message>
        <source>No se pudo copiar el escritorio: el sistema no entregó la imagen de la pantalla</source>
        <translation>Could not copy the desktop: the system gave no picture of the screen</translation>
    </message>
    <message>
        <source>Escritorio copiado al portapapeles</source>
        <translation>Desktop copied to the clipboard</translation>
    </message>
    <message>
        <source>tablero-%1.png</source>
        <translation>board-%1.png</translation>
    </message>
    <message>
        <source>No se pudo guardar: el sistema no entregó la imagen de la pantalla</source>
        <translation>Could not save: the system gave no picture of the screen</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Board saved to %1</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>no permission to write in that folder</translation>
    </message>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>no space left on the disk (%1)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Salir de la lupa o del foco</source>
        <translation>Leave the lens or the spotlight</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con la lupa)</source>
        <translation>Wheel; Ctrl++, Ctrl+- (with the lens)</translation>
    </message>
    <message>
        <source>Aumento de la lupa</source>
        <translation>Lens magnification</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con el foco)</source>
        <translation>Wheel; Ctrl++, Ctrl+- (with the spotlight)</translation>
    </message>
    <message>
        <source>Tamaño del foco</source>
        <translation>Spotlight size</translation>
    </message>
    <message>
        <source>Paso del puntero (desde cualquier programa)</source>
        <translation>Pointer pass-through (from any program)</translation>
    </message>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>A board to present a screen in a video call</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Semi-Transparente</source>
        <translation>Semi-transparent</translation>
    </message>
    <message>
        <source>Transparente</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Negro</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>White</translation>
    </message>
    <message>
        <source>azul</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Tamaño de letra guardado no válido («%1»): las etiquetas usan %2</source>
        <translation>Stored font size not valid (“%1”): labels use %2</translation>
    </message>
    <message>
        <source>Color del texto</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Color de relleno</source>
        <translation>Fill colour</translation>
    </message>
    <message>
        <source>Color de línea</source>
        <translation>Line colour</translation>
    </message>
    <message>
        <source>Escala del tablero</source>
        <translation>Board scale</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>Pointer type</source>
        <translation>Pointer type</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Pizarra blanca</source>
        <translation>White board</translation>
    </message>
    <message>
        <source>Pizarra negra</source>
        <translation>Black board</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>Blue Grid</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>White Grid</translation>
    </message>
    <message>
        <source>Gray Grid</source>
        <translation>Gray Grid</translation>
    </message>
    <message>
        <source>Dot Grid</source>
        <translation>Dot Grid</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor: %1 px (Ctrl++ / Ctrl+-)</source>
        <translation>Width: %1 px (Ctrl++ / Ctrl+-)</translation>
    </message>
    <message>
        <source>%1 ya existe. ¿Reemplazarlo?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Mostrar clics</source>
        <translation>Show clicks</translation>
    </message>
    <message>
        <source>Mostrar teclas</source>
        <translation>Show keys</translation>
    </message>
    <message>
        <source>Teclas visibles</source>
        <translation>Keys shown</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve los clics dados a otras ventanas: el tablero muestra solo los que recibe</source>
        <translation>Here no program sees the clicks given to other windows: the board shows only those it receives</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve las teclas de otras ventanas: el tablero muestra solo las que recibe</source>
        <translation>Here no program sees the keys of other windows: the board shows only those it receives</translation>
    </message>
    <message>
        <source>En este escritorio Wayland solo se ven los clics y las teclas de las ventanas X11 (Xwayland)</source>
        <translation>On this Wayland desktop only the clicks and keys of X11 windows (Xwayland) can be seen</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>el portal no abrió una sesión</source>
        <translation>the portal opened no session</translation>
    </message>
    <message>
        <source>el escritorio no lo permitió</source>
        <translation>the desktop did not allow it</translation>
    </message>
    <message>
        <source>el portal no pudo atar la tecla</source>
        <translation>the portal could not bind the key</translation>
    </message>
    <message>
        <source>el portal no ató la tecla</source>
        <translation>the portal did not bind the key</translation>
    </message>
</context>
<context>
    <name>PresenterSession</name>
    <message>
        <source>CorvaneTaveloWindow2: no screen is called &quot;%1&quot;; the screens are: %2
</source>
        <translation>CorvaneTaveloWindow2: no screen is called &quot;%1&quot;; the screens are: %2
</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo abrir %1: %2
</source>
        <translation>CorvaneTaveloWindow2: could not open %1: %2
</translation>
    </message>
    <message>
        <source>Paso del puntero</source>
        <translation>Pointer pass-through</translation>
    </message>
    <message>
        <source>Ocultar el tablero</source>
        <translation>Hide the board</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Abrir el último tablero</source>
        <translation>Open the last board</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Pantalla siguiente</source>
        <translation>Next screen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+O abre el último tablero, guardado al salir</source>
        <translation>Ctrl+O opens the last board, saved when leaving</translation>
    </message>
    <message>
        <source>Sin canal para otras órdenes: %1</source>
        <translation>No channel for other commands: %1</translation>
    </message>
    <message>
        <source>La tecla global guardada («%1») no se puede usar: se usa %2</source>
        <translation>The stored global key (“%1”) cannot be used: %2 is used</translation>
    </message>
    <message>
        <source>Sin tecla global del escritorio: %1</source>
        <translation>No global key from the desktop: %1</translation>
    </message>
    <message>
        <source>Paso del puntero del Tablero Tavelo</source>
        <translation>Tablero Tavelo pointer pass-through</translation>
    </message>
    <message>
        <source>Sin tecla global en este escritorio: asigne «%1» a una tecla en la configuración del escritorio</source>
        <translation>No global key on this desktop: assign “%1” to a key in the desktop&apos;s settings</translation>
    </message>
    <message>
        <source>Sin tecla global para el paso del puntero: %1</source>
        <translation>No global key for pointer pass-through: %1</translation>
    </message>
    <message>
        <source>%1 solo funciona mientras una ventana X11 tiene el foco (Xwayland); para todas, asigne «%2» a una tecla en la configuración del escritorio</source>
        <translation>%1 works only while an X11 window has the focus (Xwayland); for all, assign “%2” to a key in the desktop&apos;s settings</translation>
    </message>
    <message>
        <source>Mostrar el tablero</source>
        <translation>Show the board</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Los dibujos vuelven a guardarse para recuperarlos tras un fallo</source>
        <translation>The drawings are being kept again for recovery after a failure</translation>
    </message>
    <message>
        <source>Los dibujos no se están guardando para recuperarlos tras un fallo: %1</source>
        <translation>The drawings are not being kept for recovery after a failure: %1</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: el tablero no se pudo guardar como último tablero (%1); queda la copia de recuperación
</source>
        <translation>CorvaneTaveloWindow2: the board could not be kept as the last board (%1); the recovery copy stays
</translation>
    </message>
    <message>
        <source>Paso del puntero: %1 vuelve al tablero</source>
        <translation>Pointer pass-through: %1 returns to the board</translation>
    </message>
    <message>
        <source>Tablero en la pantalla %1</source>
        <translation>Board on the screen %1</translation>
    </message>
    <message>
        <source>Pantalla</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>La pantalla %1 se desconectó: el tablero pasó a %2</source>
        <translation>The screen %1 was disconnected: the board moved to %2</translation>
    </message>
    <message>
        <source>Preferencias</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>%1 no sirve como tecla global: Ctrl, Alt o Meta con una letra, una cifra, F1 a F12 o el espacio</source>
        <translation>%1 cannot be a global key: Ctrl, Alt or Meta with a letter, a digit, F1 to F12 or space</translation>
    </message>
    <message>
        <source>en este escritorio la tecla global se elige en la configuración del escritorio</source>
        <translation>on this desktop the global key is chosen in the desktop&apos;s settings</translation>
    </message>
</context>
<context>
    <name>RawInput</name>
    <message>
        <source>este escritorio no deja ver los clics y las teclas de otras ventanas</source>
        <translation>this desktop does not let the clicks and keys of other windows be seen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>not a board file</translation>
    </message>
    <message>
        <source>Dibujos recuperados: el tablero no se cerró con Salir</source>
        <translation>Drawings recovered: the board was not closed with Quit</translation>
    </message>
    <message>
        <source>Archivo de recuperación apartado en %1: %2</source>
        <translation>Recovery file set aside in %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Preferencias</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Guardar el tablero al salir, para abrirlo con Ctrl+O</source>
        <translation>Keep the board when leaving, to open it with Ctrl+O</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restablecer</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Pulse la combinación que pasa el puntero al escritorio y vuelve, desde cualquier programa</source>
        <translation>Press the combination that passes the pointer to the desktop and back, from any program</translation>
    </message>
    <message>
        <source>Tecla global:</source>
        <translation>Global key:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Color de %1:</source>
        <translation>%1 colour:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Radio del foco:</source>
        <translation>Spotlight radius:</translation>
    </message>
    <message>
        <source>Pantalla:</source>
        <translation>Screen:</translation>
    </message>
    <message>
        <source>El del escritorio</source>
        <translation>The desktop&apos;s</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>El idioma cambia la próxima vez que se abre el tablero.</source>
        <translation>The language changes the next time the board opens.</translation>
    </message>
    <message>
        <source>Mostrar teclas desde que se abre el tablero</source>
        <translation>Show keys from the moment the board opens</translation>
    </message>
    <message>
        <source>Lo escrito en las etiquetas se muestra sin sus letras</source>
        <translation>What is typed into labels shows without its letters</translation>
    </message>
</context>
</TS>
