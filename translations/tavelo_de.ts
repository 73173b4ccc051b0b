<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="es">
<context>
    <name>BoardDocument</name>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>kein Platz mehr auf der Festplatte (%1)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>keine Berechtigung, in diesen Ordner zu schreiben</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>keine Tafeldatei</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Tafel speichern</translation>
    </message>
    <message>
        <source>Tablero (*.tavelo)</source>
        <translation>Tafel (*.tavelo)</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Tafel gespeichert in %1</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Tafel öffnen</translation>
    </message>
    <message>
        <source>No se abrió %1: antes, responda a la pregunta abierta</source>
        <translation>%1 wurde nicht geöffnet: beantworten Sie zuerst die offene Frage</translation>
    </message>
    <message>
        <source>No se pudo abrir %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No hay último tablero: se guarda al salir con Salir</source>
        <translation>Keine letzte Tafel: sie wird beim Beenden mit Beenden gesichert</translation>
    </message>
    <message>
        <source>Tablero abierto: %1 (páginas: %2; Ctrl+Z lo deshace)</source>
        <translation>Tafel geöffnet: %1 (Seiten: %2; Strg+Z macht es rückgängig)</translation>
    </message>
    <message>
        <source>El tablero tiene dibujos sin guardar.</source>
        <translation>Die Tafel hat ungespeicherte Zeichnungen.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo exportar %1: %2</source>
        <translation>%1 konnte nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>PDF guardado en %1 (páginas: %2)</source>
        <translation>PDF gespeichert in %1 (Seiten: %2)</translation>
    </message>
    <message>
        <source>tablero-%1.%2</source>
        <translation>tafel-%1.%2</translation>
    </message>
</context>
<context>
    <name>BoardInstance</name>
    <message>
        <source>%1 no es una carpeta</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>la carpeta %1 pertenece a otro usuario</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>otros usuarios pueden entrar en la carpeta %1</source>
        <translation>andere Benutzer können den Ordner %1 öffnen</translation>
    </message>
    <message>
        <source>no se pudo crear la carpeta %1</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 no está disponible</source>
        <translation>%1 ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Eine Tafel, um einen Bildschirm im Videoanruf zu zeigen</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Turns pass-through on or off in the running board (starts one when none is running).</source>
        <translation>Schaltet das Durchreichen des Zeigers in der laufenden Tafel ein oder aus (startet eine, wenn keine läuft).</translation>
    </message>
    <message>
        <source>Brings the running board to the front.</source>
        <translation>Holt die laufende Tafel nach vorn.</translation>
    </message>
    <message>
        <source>Clears the running board (Limpiar).</source>
        <translation>Leert die laufende Tafel (Leeren).</translation>
    </message>
    <message>
        <source>Puts the board, running or starting, on the screen of that name.</source>
        <translation>Stellt die Tafel, laufend oder startend, auf den Bildschirm dieses Namens.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Opens the board file in the running board, or in the board that starts.</source>
        <translation>Öffnet die Tafeldatei in der laufenden Tafel oder in der Tafel, die startet.</translation>
    </message>
    <message>
        <source>FILE.tavelo</source>
        <translation>DATEI.tavelo</translation>
    </message>
    <message>
        <source>Writes every page of the board file given to the PDF, without showing a window, and ends.</source>
        <translation>Schreibt jede Seite der angegebenen Tafeldatei in das PDF, ohne ein Fenster zu zeigen, und endet.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>AUS.pdf</translation>
    </message>
    <message>
        <source>A board file to open, as --open.</source>
        <translation>Eine zu öffnende Tafeldatei, wie --open.</translation>
    </message>
    <message>
        <source>[FILE.tavelo]</source>
        <translation>[DATEI.tavelo]</translation>
    </message>
    <message>
        <source>falta el tablero: --export-pdf OUT.pdf FILE.tavelo</source>
        <translation>die Tafel fehlt: --export-pdf AUS.pdf DATEI.tavelo</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo exportar %1: %2
</source>
        <translation>CorvaneTaveloWindow2: %1 konnte nicht exportiert werden: %2
</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Borrar página</source>
        <translation>Seite löschen</translation>
    </message>
    <message>
        <source>fuente</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>recuadro</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Borrar texto</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>editar texto</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Texto recortado: una etiqueta admite hasta %1 caracteres</source>
        <translation>Text gekürzt: eine Beschriftung fasst bis zu %1 Zeichen</translation>
    </message>
    <message>
        <source>mover</source>
        <translation>verschieben</translation>
    </message>
    <message>
        <source>vértice</source>
        <translation>Eckpunkt</translation>
    </message>
    <message>
        <source>fondo</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>borrador</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>flecha</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Verpixeln</translation>
    </message>
    <message>
        <source>Zona difuminada</source>
        <translation>Bereich verpixelt</translation>
    </message>
    <message>
        <source>No se pudo difuminar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Der Bereich konnte nicht verpixelt werden: das System lieferte kein Bild des Bildschirms</translation>
    </message>
    <message>
        <source>No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Der Bereich konnte nicht kopiert werden: das System lieferte kein Bild des Bildschirms</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Imagen copiada al portapapeles</source>
        <translation>Bild in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>elipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>resaltador</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>línea</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>número</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>trazo</source>
        <translation>Strich</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>rectángulo</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>keine Tafeldatei</translation>
    </message>
    <message>
        <source>versión %1 del archivo, más nueva que este programa</source>
        <translation>Dateiversion %1, neuer als dieses Programm</translation>
    </message>
    <message>
        <source>el archivo está dañado</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>el archivo tiene varias páginas</source>
        <translation>die Datei hat mehrere Seiten</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>este escritorio no permite teclas globales</source>
        <translation>dieser Desktop erlaubt keine globalen Tasten</translation>
    </message>
    <message>
        <source>la tecla %1 no se puede usar</source>
        <translation>die Taste %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>otro programa usa la tecla %1</source>
        <translation>ein anderes Programm verwendet die Taste %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Amarillo</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Celeste</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Forma</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Proc</source>
        <translation>Proz.</translation>
    </message>
    <message>
        <source>I/O</source>
        <translation>E/A</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Resaltador</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>Borrador</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Láser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Foco</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>Grosor</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Más grueso</source>
        <translation>Breiter</translation>
    </message>
    <message>
        <source>Más fino</source>
        <translation>Feiner</translation>
    </message>
    <message>
        <source>Páginas</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Nueva página</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Borrar página</source>
        <translation>Seite löschen</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Tafel speichern</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Tafel öffnen</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Fondo</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Guardar el tablero como imagen</source>
        <translation>Die Tafel als Bild speichern</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Recuadro</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Recuadro: las etiquetas sobre una caja del color de relleno</source>
        <translation>Kasten: Beschriftungen auf einem Kasten in der Füllfarbe</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Verpixeln</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Sistema listo</source>
        <translation>System bereit</translation>
    </message>
    <message>
        <source>Preferencias dañadas: apartadas en %1</source>
        <translation>Beschädigte Einstellungen: beiseitegelegt in %1</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Preferencias bloqueadas por otro programa: los cambios no se guardarán</source>
        <translation>Einstellungen von einem anderen Programm gesperrt: Änderungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>&amp;Maximizar</source>
        <translation>&amp;Maximieren</translation>
    </message>
    <message>
        <source>0,0</source>
        <translation>0,0</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Enviar al frente</source>
        <translation>Nach vorn</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Enviar al fondo</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Enviar item al fondo</source>
        <translation>Element nach hinten</translation>
    </message>
    <message>
        <source>Minimizar</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Maximizar</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Borrar item</source>
        <translation>Element löschen</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>&amp;Element</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Wiederholen</translation>
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
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Lupa: %1 x. Rueda o Ctrl++ / Ctrl+- para el aumento, Esc para salir</source>
        <translation>Lupe: %1 x. Mausrad oder Ctrl++ / Ctrl+- für die Vergrößerung, Esc zum Verlassen</translation>
    </message>
    <message>
        <source>El escritorio no se puede ampliar aquí: la lupa amplía solo los dibujos</source>
        <translation>Der Desktop kann hier nicht vergrößert werden: die Lupe vergrößert nur die Zeichnungen</translation>
    </message>
    <message>
        <source>No se pudo copiar el escritorio: el sistema no entregó la imagen de la pantalla</source>
        <translation>Der Desktop konnte nicht kopiert werden: das System lieferte kein Bild des Bildschirms</translation>
    </message>
    <message>
        <source>Escritorio copiado al portapapeles</source>
        <translation>Desktop in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>tablero-%1.png</source>
        <translation>tafel-%1.png</translation>
    </message>
    <message>
        <source>No se pudo guardar: el sistema no entregó la imagen de la pantalla</source>
        <translation>Speichern nicht möglich: das System lieferte kein Bild des Bildschirms</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Tafel gespeichert in %1</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>keine Berechtigung, in diesen Ordner zu schreiben</translation>
    </message>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>kein Platz mehr auf der Festplatte (%1)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Salir de la lupa o del foco</source>
        <translation>Lupe oder Spot verlassen</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con la lupa)</source>
        <translation>Mausrad; Ctrl++, Ctrl+- (mit der Lupe)</translation>
    </message>
    <message>
        <source>Aumento de la lupa</source>
        <translation>Vergrößerung der Lupe</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con el foco)</source>
        <translation>Mausrad; Ctrl++, Ctrl+- (mit dem Spot)</translation>
    </message>
    <message>
        <source>Tamaño del foco</source>
        <translation>Größe des Spots</translation>
    </message>
    <message>
        <source>Paso del puntero (desde cualquier programa)</source>
        <translation>Zeiger durchreichen (aus jedem Programm)</translation>
    </message>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Eine Tafel, um einen Bildschirm im Videoanruf zu zeigen</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Semi-Transparente</source>
        <translation>Halbtransparent</translation>
    </message>
    <message>
        <source>Transparente</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Negro</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>azul</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Tamaño de letra guardado no válido («%1»): las etiquetas usan %2</source>
        <translation>Gespeicherte Schriftgröße ungültig („%1“): Beschriftungen verwenden %2</translation>
    </message>
    <message>
        <source>Color del texto</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Color de relleno</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>Color de línea</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Escala del tablero</source>
        <translation>Maßstab der Tafel</translation>
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
        <translation>Zeigertyp</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Pizarra blanca</source>
        <translation>Weiße Tafel</translation>
    </message>
    <message>
        <source>Pizarra negra</source>
        <translation>Schwarze Tafel</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>Blaues Raster</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>Weißes Raster</translation>
    </message>
    <message>
        <source>Gray Grid</source>
        <translation>Graues Raster</translation>
    </message>
    <message>
        <source>Dot Grid</source>
        <translation>Punktraster</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor: %1 px (Ctrl++ / Ctrl+-)</source>
        <translation>Breite: %1 px (Ctrl++ / Ctrl+-)</translation>
    </message>
    <message>
        <source>%1 ya existe. ¿Reemplazarlo?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Mostrar clics</source>
        <translation>Klicks zeigen</translation>
    </message>
    <message>
        <source>Mostrar teclas</source>
        <translation>Tasten zeigen</translation>
    </message>
    <message>
        <source>Teclas visibles</source>
        <translation>Tasten sichtbar</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve los clics dados a otras ventanas: el tablero muestra solo los que recibe</source>
        <translation>Hier sieht kein Programm die Klicks in anderen Fenstern: die Tafel zeigt nur die, die sie selbst erhält</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve las teclas de otras ventanas: el tablero muestra solo las que recibe</source>
        <translation>Hier sieht kein Programm die Tasten anderer Fenster: die Tafel zeigt nur die, die sie selbst erhält</translation>
    </message>
    <message>
        <source>En este escritorio Wayland solo se ven los clics y las teclas de las ventanas X11 (Xwayland)</source>
        <translation>Auf diesem Wayland-Desktop sind nur die Klicks und Tasten von X11-Fenstern (Xwayland) zu sehen</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>el portal no abrió una sesión</source>
        <translation>das Portal hat keine Sitzung geöffnet</translation>
    </message>
    <message>
        <source>el escritorio no lo permitió</source>
        <translation>der Desktop hat es nicht erlaubt</translation>
    </message>
    <message>
        <source>el portal no pudo atar la tecla</source>
        <translation>das Portal konnte die Taste nicht binden</translation>
    </message>
    <message>
        <source>el portal no ató la tecla</source>
        <translation>das Portal hat die Taste nicht gebunden</translation>
    </message>
</context>
<context>
    <name>PresenterSession</name>
    <message>
        <source>CorvaneTaveloWindow2: no screen is called &quot;%1&quot;; the screens are: %2
</source>
        <translation>CorvaneTaveloWindow2: kein Bildschirm heißt „%1“; die Bildschirme sind: %2
</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo abrir %1: %2
</source>
        <translation>CorvaneTaveloWindow2: %1 konnte nicht geöffnet werden: %2
</translation>
    </message>
    <message>
        <source>Paso del puntero</source>
        <translation>Zeiger durchreichen</translation>
    </message>
    <message>
        <source>Ocultar el tablero</source>
        <translation>Tafel ausblenden</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Abrir el último tablero</source>
        <translation>Letzte Tafel öffnen</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Pantalla siguiente</source>
        <translation>Nächster Bildschirm</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+O abre el último tablero, guardado al salir</source>
        <translation>Ctrl+O öffnet die letzte Tafel, beim Beenden gespeichert</translation>
    </message>
    <message>
        <source>Sin canal para otras órdenes: %1</source>
        <translation>Kein Kanal für weitere Befehle: %1</translation>
    </message>
    <message>
        <source>La tecla global guardada («%1») no se puede usar: se usa %2</source>
        <translation>Die gespeicherte globale Taste („%1“) ist nicht verwendbar: %2 wird verwendet</translation>
    </message>
    <message>
        <source>Sin tecla global del escritorio: %1</source>
        <translation>Keine globale Taste vom Desktop: %1</translation>
    </message>
    <message>
        <source>Paso del puntero del Tablero Tavelo</source>
        <translation>Zeiger durchreichen (Tablero Tavelo)</translation>
    </message>
    <message>
        <source>Sin tecla global en este escritorio: asigne «%1» a una tecla en la configuración del escritorio</source>
        <translation>Keine globale Taste auf diesem Desktop: weisen Sie „%1“ in den Einstellungen des Desktops eine Taste zu</translation>
    </message>
    <message>
        <source>Sin tecla global para el paso del puntero: %1</source>
        <translation>Keine globale Taste zum Durchreichen des Zeigers: %1</translation>
    </message>
    <message>
        <source>%1 solo funciona mientras una ventana X11 tiene el foco (Xwayland); para todas, asigne «%2» a una tecla en la configuración del escritorio</source>
        <translation>%1 wirkt nur, solange ein X11-Fenster den Fokus hat (Xwayland); für alle weisen Sie „%2“ in den Einstellungen des Desktops eine Taste zu</translation>
    </message>
    <message>
        <source>Mostrar el tablero</source>
        <translation>Tafel zeigen</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Los dibujos vuelven a guardarse para recuperarlos tras un fallo</source>
        <translation>Die Zeichnungen werden wieder für die Wiederherstellung nach einem Absturz gesichert</translation>
    </message>
    <message>
        <source>Los dibujos no se están guardando para recuperarlos tras un fallo: %1</source>
        <translation>Die Zeichnungen werden nicht für die Wiederherstellung nach einem Absturz gesichert: %1</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: el tablero no se pudo guardar como último tablero (%1); queda la copia de recuperación
</source>
        <translation>CorvaneTaveloWindow2: die Tafel konnte nicht als letzte Tafel gesichert werden (%1); die Wiederherstellungskopie bleibt
</translation>
    </message>
    <message>
        <source>Paso del puntero: %1 vuelve al tablero</source>
        <translation>Zeiger durchreichen: %1 kehrt zur Tafel zurück</translation>
    </message>
    <message>
        <source>Tablero en la pantalla %1</source>
        <translation>Tafel auf dem Bildschirm %1</translation>
    </message>
    <message>
        <source>Pantalla</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>La pantalla %1 se desconectó: el tablero pasó a %2</source>
        <translation>Der Bildschirm %1 wurde getrennt: die Tafel ist auf %2 gewechselt</translation>
    </message>
    <message>
        <source>Preferencias</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 no sirve como tecla global: Ctrl, Alt o Meta con una letra, una cifra, F1 a F12 o el espacio</source>
        <translation>%1 taugt nicht als globale Taste: Strg, Alt oder Meta mit einem Buchstaben, einer Ziffer, F1 bis F12 oder der Leertaste</translation>
    </message>
    <message>
        <source>en este escritorio la tecla global se elige en la configuración del escritorio</source>
        <translation>auf diesem Desktop wird die globale Taste in den Einstellungen des Desktops gewählt</translation>
    </message>
</context>
<context>
    <name>RawInput</name>
    <message>
        <source>este escritorio no deja ver los clics y las teclas de otras ventanas</source>
        <translation>dieser Desktop lässt die Klicks und Tasten anderer Fenster nicht sehen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>keine Tafeldatei</translation>
    </message>
    <message>
        <source>Dibujos recuperados: el tablero no se cerró con Salir</source>
        <translation>Zeichnungen wiederhergestellt: die Tafel wurde nicht mit Beenden geschlossen</translation>
    </message>
    <message>
        <source>Archivo de recuperación apartado en %1: %2</source>
        <translation>Wiederherstellungsdatei beiseitegelegt in %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Preferencias</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Guardar el tablero al salir, para abrirlo con Ctrl+O</source>
        <translation>Die Tafel beim Beenden sichern, um sie mit Ctrl+O zu öffnen</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restablecer</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Pulse la combinación que pasa el puntero al escritorio y vuelve, desde cualquier programa</source>
        <translation>Drücken Sie die Kombination, die den Zeiger an den Desktop durchreicht und zurückholt, aus jedem Programm</translation>
    </message>
    <message>
        <source>Tecla global:</source>
        <translation>Globale Taste:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Color de %1:</source>
        <translation>Farbe für %1:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Radio del foco:</source>
        <translation>Radius des Spots:</translation>
    </message>
    <message>
        <source>Pantalla:</source>
        <translation>Bildschirm:</translation>
    </message>
    <message>
        <source>El del escritorio</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>El idioma cambia la próxima vez que se abre el tablero.</source>
        <translation>Die Sprache wechselt beim nächsten Öffnen der Tafel.</translation>
    </message>
    <message>
        <source>Mostrar teclas desde que se abre el tablero</source>
        <translation>Tasten zeigen, sobald die Tafel geöffnet wird</translation>
    </message>
    <message>
        <source>Lo escrito en las etiquetas se muestra sin sus letras</source>
        <translation>In Beschriftungen Getipptes erscheint ohne seine Buchstaben</translation>
    </message>
</context>
</TS>
