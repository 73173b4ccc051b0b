<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="es">
<context>
    <name>BoardDocument</name>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>plus d&apos;espace sur le disque (%1)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>pas le droit d&apos;écrire dans ce dossier</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>ce n&apos;est pas un fichier de tableau</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Tablero (*.tavelo)</source>
        <translation>Tableau (*.tavelo)</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Tableau enregistré dans %1</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Ouvrir un tableau</translation>
    </message>
    <message>
        <source>No se abrió %1: antes, responda a la pregunta abierta</source>
        <translation>%1 n&apos;a pas été ouvert : répondez d&apos;abord à la question posée</translation>
    </message>
    <message>
        <source>No se pudo abrir %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>No hay último tablero: se guarda al salir con Salir</source>
        <translation>Pas de dernier tableau : il est gardé en quittant avec Quitter</translation>
    </message>
    <message>
        <source>Tablero abierto: %1 (páginas: %2; Ctrl+Z lo deshace)</source>
        <translation>Tableau ouvert : %1 (pages : %2 ; Ctrl+Z l&apos;annule)</translation>
    </message>
    <message>
        <source>El tablero tiene dibujos sin guardar.</source>
        <translation>Le tableau contient des dessins non enregistrés.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo exportar %1: %2</source>
        <translation>Impossible d&apos;exporter %1 : %2</translation>
    </message>
    <message>
        <source>PDF guardado en %1 (páginas: %2)</source>
        <translation>PDF enregistré dans %1 (pages : %2)</translation>
    </message>
    <message>
        <source>tablero-%1.%2</source>
        <translation>tableau-%1.%2</translation>
    </message>
</context>
<context>
    <name>BoardInstance</name>
    <message>
        <source>%1 no es una carpeta</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>la carpeta %1 pertenece a otro usuario</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>otros usuarios pueden entrar en la carpeta %1</source>
        <translation>d&apos;autres utilisateurs peuvent entrer dans le dossier %1</translation>
    </message>
    <message>
        <source>no se pudo crear la carpeta %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 no está disponible</source>
        <translation>%1 n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Un tableau pour présenter un écran en visioconférence</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et se termine.</translation>
    </message>
    <message>
        <source>Turns pass-through on or off in the running board (starts one when none is running).</source>
        <translation>Active ou désactive le passage du pointeur dans le tableau ouvert (en démarre un s&apos;il n&apos;y en a pas).</translation>
    </message>
    <message>
        <source>Brings the running board to the front.</source>
        <translation>Met le tableau ouvert au premier plan.</translation>
    </message>
    <message>
        <source>Clears the running board (Limpiar).</source>
        <translation>Efface le tableau ouvert (Effacer tout).</translation>
    </message>
    <message>
        <source>Puts the board, running or starting, on the screen of that name.</source>
        <translation>Place le tableau, ouvert ou au démarrage, sur l&apos;écran de ce nom.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Opens the board file in the running board, or in the board that starts.</source>
        <translation>Ouvre le fichier de tableau dans le tableau ouvert, ou dans celui qui démarre.</translation>
    </message>
    <message>
        <source>FILE.tavelo</source>
        <translation>FICHIER.tavelo</translation>
    </message>
    <message>
        <source>Writes every page of the board file given to the PDF, without showing a window, and ends.</source>
        <translation>Écrit chaque page du fichier de tableau donné dans le PDF, sans afficher de fenêtre, et se termine.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>SORTIE.pdf</translation>
    </message>
    <message>
        <source>A board file to open, as --open.</source>
        <translation>Un fichier de tableau à ouvrir, comme --open.</translation>
    </message>
    <message>
        <source>[FILE.tavelo]</source>
        <translation>[FICHIER.tavelo]</translation>
    </message>
    <message>
        <source>falta el tablero: --export-pdf OUT.pdf FILE.tavelo</source>
        <translation>le tableau manque : --export-pdf SORTIE.pdf FICHIER.tavelo</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo exportar %1: %2
</source>
        <translation>CorvaneTaveloWindow2 : impossible d&apos;exporter %1 : %2
</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Borrar página</source>
        <translation>Supprimer la page</translation>
    </message>
    <message>
        <source>fuente</source>
        <translation>police</translation>
    </message>
    <message>
        <source>color</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>recuadro</source>
        <translation>encadré</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Effacer tout</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Borrar texto</source>
        <translation>Supprimer le texte</translation>
    </message>
    <message>
        <source>editar texto</source>
        <translation>modifier le texte</translation>
    </message>
    <message>
        <source>Texto recortado: una etiqueta admite hasta %1 caracteres</source>
        <translation>Texte tronqué : une étiquette contient au plus %1 caractères</translation>
    </message>
    <message>
        <source>mover</source>
        <translation>déplacer</translation>
    </message>
    <message>
        <source>vértice</source>
        <translation>sommet</translation>
    </message>
    <message>
        <source>fondo</source>
        <translation>fond</translation>
    </message>
    <message>
        <source>borrador</source>
        <translation>gomme</translation>
    </message>
    <message>
        <source>flecha</source>
        <translation>flèche</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Flouter</translation>
    </message>
    <message>
        <source>Zona difuminada</source>
        <translation>Zone floutée</translation>
    </message>
    <message>
        <source>No se pudo difuminar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Impossible de flouter la zone : le système n&apos;a pas fourni l&apos;image de l&apos;écran</translation>
    </message>
    <message>
        <source>No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Impossible de copier la zone : le système n&apos;a pas fourni l&apos;image de l&apos;écran</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Imagen copiada al portapapeles</source>
        <translation>Image copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>elipse</source>
        <translation>ellipse</translation>
    </message>
    <message>
        <source>resaltador</source>
        <translation>surligneur</translation>
    </message>
    <message>
        <source>línea</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>número</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>trazo</source>
        <translation>trait</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>forme</translation>
    </message>
    <message>
        <source>rectángulo</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>ce n&apos;est pas un fichier de tableau</translation>
    </message>
    <message>
        <source>versión %1 del archivo, más nueva que este programa</source>
        <translation>version %1 du fichier, plus récente que ce programme</translation>
    </message>
    <message>
        <source>el archivo está dañado</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>el archivo tiene varias páginas</source>
        <translation>le fichier a plusieurs pages</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>este escritorio no permite teclas globales</source>
        <translation>ce bureau n&apos;autorise pas de touches globales</translation>
    </message>
    <message>
        <source>la tecla %1 no se puede usar</source>
        <translation>la touche %1 ne peut pas être utilisée</translation>
    </message>
    <message>
        <source>otro programa usa la tecla %1</source>
        <translation>un autre programme utilise la touche %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Amarillo</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Celeste</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Forma</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Proc</source>
        <translation>Proc.</translation>
    </message>
    <message>
        <source>I/O</source>
        <translation>E/S</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Resaltador</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>Borrador</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Láser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Foco</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>Grosor</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Más grueso</source>
        <translation>Plus épais</translation>
    </message>
    <message>
        <source>Más fino</source>
        <translation>Plus fin</translation>
    </message>
    <message>
        <source>Páginas</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Nueva página</source>
        <translation>Nouvelle page</translation>
    </message>
    <message>
        <source>Borrar página</source>
        <translation>Supprimer la page</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Ouvrir un tableau</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Fondo</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Guardar el tablero como imagen</source>
        <translation>Enregistrer le tableau comme image</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Recuadro</source>
        <translation>Encadré</translation>
    </message>
    <message>
        <source>Recuadro: las etiquetas sobre una caja del color de relleno</source>
        <translation>Encadré : les étiquettes sur un fond de la couleur de remplissage</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Flouter</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Sistema listo</source>
        <translation>Système prêt</translation>
    </message>
    <message>
        <source>Preferencias dañadas: apartadas en %1</source>
        <translation>Préférences endommagées : mises de côté dans %1</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Preferencias bloqueadas por otro programa: los cambios no se guardarán</source>
        <translation>Préférences verrouillées par un autre programme : les changements ne seront pas enregistrés</translation>
    </message>
    <message>
        <source>&amp;Maximizar</source>
        <translation>&amp;Maximiser</translation>
    </message>
    <message>
        <source>0,0</source>
        <translation>0,0</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Effacer tout</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Enviar al frente</source>
        <translation>Premier plan</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Enviar al fondo</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Enviar item al fondo</source>
        <translation>Mettre l&apos;élément à l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Minimizar</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Maximizar</source>
        <translation>Maximiser</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Borrar item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>&amp;Élément</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Rétablir</translation>
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
        <translation>Historique</translation>
    </message>
    <message>
        <source>Lupa: %1 x. Rueda o Ctrl++ / Ctrl+- para el aumento, Esc para salir</source>
        <translation>Loupe : %1 x. Molette ou Ctrl++ / Ctrl+- pour le grossissement, Échap pour quitter</translation>
    </message>
    <message>
        <source>El escritorio no se puede ampliar aquí: la lupa amplía solo los dibujos</source>
        <translation>Le bureau ne peut pas être grossi ici : la loupe grossit seulement les dessins</translation>
    </message>
    <message>
        <source>No se pudo copiar el escritorio: el sistema no entregó la imagen de la pantalla</source>
        <translation>Impossible de copier le bureau : le système n&apos;a pas fourni l&apos;image de l&apos;écran</translation>
    </message>
    <message>
        <source>Escritorio copiado al portapapeles</source>
        <translation>Bureau copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>tablero-%1.png</source>
        <translation>tableau-%1.png</translation>
    </message>
    <message>
        <source>No se pudo guardar: el sistema no entregó la imagen de la pantalla</source>
        <translation>Impossible d&apos;enregistrer : le système n&apos;a pas fourni l&apos;image de l&apos;écran</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Tableau enregistré dans %1</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>pas le droit d&apos;écrire dans ce dossier</translation>
    </message>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>plus d&apos;espace sur le disque (%1)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Salir de la lupa o del foco</source>
        <translation>Quitter la loupe ou le projecteur</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con la lupa)</source>
        <translation>Molette ; Ctrl++, Ctrl+- (avec la loupe)</translation>
    </message>
    <message>
        <source>Aumento de la lupa</source>
        <translation>Grossissement de la loupe</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con el foco)</source>
        <translation>Molette ; Ctrl++, Ctrl+- (avec le projecteur)</translation>
    </message>
    <message>
        <source>Tamaño del foco</source>
        <translation>Taille du projecteur</translation>
    </message>
    <message>
        <source>Paso del puntero (desde cualquier programa)</source>
        <translation>Passage du pointeur (depuis n&apos;importe quel programme)</translation>
    </message>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Un tableau pour présenter un écran en visioconférence</translation>
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
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>azul</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Tamaño de letra guardado no válido («%1»): las etiquetas usan %2</source>
        <translation>Taille de police enregistrée non valide (« %1 ») : les étiquettes utilisent %2</translation>
    </message>
    <message>
        <source>Color del texto</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Color de relleno</source>
        <translation>Couleur de remplissage</translation>
    </message>
    <message>
        <source>Color de línea</source>
        <translation>Couleur de ligne</translation>
    </message>
    <message>
        <source>Escala del tablero</source>
        <translation>Échelle du tableau</translation>
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
        <translation>Type de pointeur</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Pizarra blanca</source>
        <translation>Tableau blanc</translation>
    </message>
    <message>
        <source>Pizarra negra</source>
        <translation>Tableau noir</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>Grille bleue</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>Grille blanche</translation>
    </message>
    <message>
        <source>Gray Grid</source>
        <translation>Grille grise</translation>
    </message>
    <message>
        <source>Dot Grid</source>
        <translation>Grille de points</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor: %1 px (Ctrl++ / Ctrl+-)</source>
        <translation>Épaisseur : %1 px (Ctrl++ / Ctrl+-)</translation>
    </message>
    <message>
        <source>%1 ya existe. ¿Reemplazarlo?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Mostrar clics</source>
        <translation>Montrer les clics</translation>
    </message>
    <message>
        <source>Mostrar teclas</source>
        <translation>Montrer les touches</translation>
    </message>
    <message>
        <source>Teclas visibles</source>
        <translation>Touches visibles</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve los clics dados a otras ventanas: el tablero muestra solo los que recibe</source>
        <translation>Ici aucun programme ne voit les clics donnés aux autres fenêtres : le tableau ne montre que ceux qu&apos;il reçoit</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve las teclas de otras ventanas: el tablero muestra solo las que recibe</source>
        <translation>Ici aucun programme ne voit les touches des autres fenêtres : le tableau ne montre que celles qu&apos;il reçoit</translation>
    </message>
    <message>
        <source>En este escritorio Wayland solo se ven los clics y las teclas de las ventanas X11 (Xwayland)</source>
        <translation>Sur ce bureau Wayland, seuls les clics et les touches des fenêtres X11 (Xwayland) sont visibles</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>el portal no abrió una sesión</source>
        <translation>le portail n&apos;a pas ouvert de session</translation>
    </message>
    <message>
        <source>el escritorio no lo permitió</source>
        <translation>le bureau ne l&apos;a pas permis</translation>
    </message>
    <message>
        <source>el portal no pudo atar la tecla</source>
        <translation>le portail n&apos;a pas pu associer la touche</translation>
    </message>
    <message>
        <source>el portal no ató la tecla</source>
        <translation>le portail n&apos;a pas associé la touche</translation>
    </message>
</context>
<context>
    <name>PresenterSession</name>
    <message>
        <source>CorvaneTaveloWindow2: no screen is called &quot;%1&quot;; the screens are: %2
</source>
        <translation>CorvaneTaveloWindow2 : aucun écran ne s&apos;appelle « %1 » ; les écrans sont : %2
</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo abrir %1: %2
</source>
        <translation>CorvaneTaveloWindow2 : impossible d&apos;ouvrir %1 : %2
</translation>
    </message>
    <message>
        <source>Paso del puntero</source>
        <translation>Passage du pointeur</translation>
    </message>
    <message>
        <source>Ocultar el tablero</source>
        <translation>Masquer le tableau</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Effacer tout</translation>
    </message>
    <message>
        <source>Abrir el último tablero</source>
        <translation>Ouvrir le dernier tableau</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Pantalla siguiente</source>
        <translation>Écran suivant</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+O abre el último tablero, guardado al salir</source>
        <translation>Ctrl+O ouvre le dernier tableau, enregistré en quittant</translation>
    </message>
    <message>
        <source>Sin canal para otras órdenes: %1</source>
        <translation>Pas de canal pour d&apos;autres commandes : %1</translation>
    </message>
    <message>
        <source>La tecla global guardada («%1») no se puede usar: se usa %2</source>
        <translation>La touche globale enregistrée (« %1 ») ne peut pas être utilisée : %2 est utilisée</translation>
    </message>
    <message>
        <source>Sin tecla global del escritorio: %1</source>
        <translation>Pas de touche globale du bureau : %1</translation>
    </message>
    <message>
        <source>Paso del puntero del Tablero Tavelo</source>
        <translation>Passage du pointeur de Tablero Tavelo</translation>
    </message>
    <message>
        <source>Sin tecla global en este escritorio: asigne «%1» a una tecla en la configuración del escritorio</source>
        <translation>Pas de touche globale sur ce bureau : attribuez « %1 » à une touche dans les réglages du bureau</translation>
    </message>
    <message>
        <source>Sin tecla global para el paso del puntero: %1</source>
        <translation>Pas de touche globale pour le passage du pointeur : %1</translation>
    </message>
    <message>
        <source>%1 solo funciona mientras una ventana X11 tiene el foco (Xwayland); para todas, asigne «%2» a una tecla en la configuración del escritorio</source>
        <translation>%1 ne fonctionne que lorsqu&apos;une fenêtre X11 a le focus (Xwayland) ; pour toutes, attribuez « %2 » à une touche dans les réglages du bureau</translation>
    </message>
    <message>
        <source>Mostrar el tablero</source>
        <translation>Afficher le tableau</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Los dibujos vuelven a guardarse para recuperarlos tras un fallo</source>
        <translation>Les dessins sont de nouveau conservés pour être récupérés après une panne</translation>
    </message>
    <message>
        <source>Los dibujos no se están guardando para recuperarlos tras un fallo: %1</source>
        <translation>Les dessins ne sont pas conservés pour être récupérés après une panne : %1</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: el tablero no se pudo guardar como último tablero (%1); queda la copia de recuperación
</source>
        <translation>CorvaneTaveloWindow2 : le tableau n&apos;a pas pu être gardé comme dernier tableau (%1) ; la copie de récupération reste
</translation>
    </message>
    <message>
        <source>Paso del puntero: %1 vuelve al tablero</source>
        <translation>Passage du pointeur : %1 revient au tableau</translation>
    </message>
    <message>
        <source>Tablero en la pantalla %1</source>
        <translation>Tableau sur l&apos;écran %1</translation>
    </message>
    <message>
        <source>Pantalla</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>La pantalla %1 se desconectó: el tablero pasó a %2</source>
        <translation>L&apos;écran %1 a été déconnecté : le tableau est passé sur %2</translation>
    </message>
    <message>
        <source>Preferencias</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>%1 no sirve como tecla global: Ctrl, Alt o Meta con una letra, una cifra, F1 a F12 o el espacio</source>
        <translation>%1 ne peut pas être une touche globale : Ctrl, Alt ou Meta avec une lettre, un chiffre, F1 à F12 ou l&apos;espace</translation>
    </message>
    <message>
        <source>en este escritorio la tecla global se elige en la configuración del escritorio</source>
        <translation>sur ce bureau, la touche globale se choisit dans les réglages du bureau</translation>
    </message>
</context>
<context>
    <name>RawInput</name>
    <message>
        <source>este escritorio no deja ver los clics y las teclas de otras ventanas</source>
        <translation>ce bureau ne laisse pas voir les clics et les touches des autres fenêtres</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>ce n&apos;est pas un fichier de tableau</translation>
    </message>
    <message>
        <source>Dibujos recuperados: el tablero no se cerró con Salir</source>
        <translation>Dessins récupérés : le tableau n&apos;a pas été fermé avec Quitter</translation>
    </message>
    <message>
        <source>Archivo de recuperación apartado en %1: %2</source>
        <translation>Fichier de récupération mis de côté dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Preferencias</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Guardar el tablero al salir, para abrirlo con Ctrl+O</source>
        <translation>Garder le tableau en quittant, pour l&apos;ouvrir avec Ctrl+O</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restablecer</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Pulse la combinación que pasa el puntero al escritorio y vuelve, desde cualquier programa</source>
        <translation>Appuyez sur la combinaison qui fait passer le pointeur au bureau et revenir, depuis n&apos;importe quel programme</translation>
    </message>
    <message>
        <source>Tecla global:</source>
        <translation>Touche globale :</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor:</source>
        <translation>Épaisseur :</translation>
    </message>
    <message>
        <source>Color de %1:</source>
        <translation>Couleur du %1 :</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Radio del foco:</source>
        <translation>Rayon du projecteur :</translation>
    </message>
    <message>
        <source>Pantalla:</source>
        <translation>Écran :</translation>
    </message>
    <message>
        <source>El del escritorio</source>
        <translation>Celle du bureau</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>El idioma cambia la próxima vez que se abre el tablero.</source>
        <translation>La langue change à la prochaine ouverture du tableau.</translation>
    </message>
    <message>
        <source>Mostrar teclas desde que se abre el tablero</source>
        <translation>Montrer les touches dès l&apos;ouverture du tableau</translation>
    </message>
    <message>
        <source>Lo escrito en las etiquetas se muestra sin sus letras</source>
        <translation>Ce qui est tapé dans les étiquettes s&apos;affiche sans ses lettres</translation>
    </message>
</context>
</TS>
