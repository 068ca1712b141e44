<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de TOVO</translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation>Créditos e info de TOVO.</translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation>Programación, arte y diseño: el equipo del cliente TOVO
Contacto: owls@ilnightowls.example</translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation>Asistente de diseño: Lamplighter</translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation>Admins de red: Ironside y Barn Owl</translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation>Arte adicional: Nightjar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DirList</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation>%1 de %2 a %3/s</translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation>Listo: %1 en %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation>Cancelado: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation>No guardado: no se pudo poner nombre al archivo en %1.</translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation>Error: %1. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation>se cortó la conexión</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation>TOVO no puede crear la carpeta para tus archivos, %1 (%2).

Funciona, pero no puede guardar tu alias ni dónde están tus juegos.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>No se puede guardar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation>Detectando la red</translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation>Conectando a la red</translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation>Detectando la red</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>No se puede conectar a la red: nuestros servidores están ocupados o no estás conectado.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Red no disponible</translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation>%1 está jugando a %2 en %3 (%4/%5)</translation>
    </message>
</context>
<context>
    <name>Friends</name>
    <message>
        <source>Friends</source>
        <translation>Amigos</translation>
    </message>
    <message>
        <source>Your friends&apos; player names:</source>
        <translation>Nombres de jugador de tus amigos:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre de jugador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation>TOVO no puede guardar tus amigos en %1.</translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation>Amigos no guardados.</translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation>Juegos encontrados</translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation>Marca los juegos que quieras configurar y pulsa «Configurar selección».</translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation>creado por otro Wine: configúralo desde su lanzador</translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation>Configurar selección</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>installed engine</source>
        <translation>motor instalado</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefijo de Wine %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Type here</source>
        <extracomment>The alias box&apos;s text until the member types an alias</extracomment>
        <translation>Escribe aquí</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation>Guardar alias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <translation>Por favor, introduce tu alias.</translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation>Introducir alias              </translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation>Error en la conexión de red. Sal del programa y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation>Error al detectar la red</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation>TOVO - Servicio de juego en línea Iron Lantern / Night Owls</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation>Parches / Actualizaciones</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Foro</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Connected as:</source>
        <translation>Conectado como:</translation>
    </message>
    <message>
        <source>Member sign:</source>
        <translation>Insignia:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation>Parches</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>No se puede conectar a la red: nuestros servidores están ocupados o no estás conectado.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Red no disponible</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation>Contraseña del servidor</translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation>Este servidor pide una contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation>Recordar en este equipo</translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation>Este equipo no tiene un depósito de claves para guardar la contraseña, así que se pide cada vez.</translation>
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
        <source>Password not accepted.</source>
        <translation>Contraseña no aceptada.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation>Asignar %1</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Ajustes y opciones</translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation>Selecciona abajo el ejecutable del juego y pulsa el botón de ese juego para activar su carpeta.</translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation>Un «+» en un botón de abajo indica que la carpeta está configurada.</translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation>Marca una casilla abajo y pulsa «Quitar marcadas» para quitar esa carpeta.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation>Quitar marcadas</translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation>Quitar todas</translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation>Buscar juegos</translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation>Olvidar contraseñas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation>Todavía no has seleccionado ningún juego.</translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation>Ningún juego seleccionado</translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation>¿Quieres olvidar las contraseñas de todos los servidores guardadas en este equipo?</translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation>¿Quieres quitar todas las carpetas configuradas?</translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation>Quitar carpetas</translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation>No se encontró ningún juego instalado.</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation>Esperando una plaza libre</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation>Esperando una plaza libre en %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation>No ha quedado ninguna plaza libre en %1 en 30 minutos.</translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation>Hay una plaza libre en %1 (%2/%3): el juego se inicia.</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Login &gt;</source>
        <translation>Entrar ›</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation>Introduce tu alias:</translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation>Guardar alias:</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation>Juego no encontrado.</translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation>No se encontró la carpeta del juego, {folder}. Vuelve a configurar el juego en Ajustes.</translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation>{program} ya no está en {folder}. Vuelve a descargarlo.</translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation>No se encontró el programa del juego, {program}, en {folder}. Vuelve a configurar el juego en Ajustes.</translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation>Wine no está instalado.</translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation>{program} es un programa de Windows y necesita Wine para funcionar. Instala Wine y luego {again}.</translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation>Wine de 32 bits no está instalado.</translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation>{program} es un programa de Windows de 32 bits y el Wine de este equipo solo ejecuta programas de 64 bits. Instala la parte de 32 bits de Wine (en Debian, como root: dpkg --add-architecture i386, luego apt update y luego apt install wine32:i386) y después {again}.</translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation>No se encontró Wine.</translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation>{program} se ejecuta con el Wine con el que lo instaló su lanzador, {runner}, y ese Wine ya no está. Vuelve a instalar ese Wine en el lanzador del que viene el juego o vuelve a configurar el juego en Ajustes.</translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation>Steam no está instalado.</translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation>{program} se inicia a través de Steam, y Steam no está instalado. Vuelve a instalar Steam o vuelve a configurar el juego en Ajustes.</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Contraseña no aceptada.</translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation>La contraseña del servidor contiene un carácter que {program} leería como un comando propio, así que el juego no se ha iniciado. Vuelve a conectarte y escribe la contraseña.</translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation>Juego no iniciado.</translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation>No se pudo iniciar el juego {program}. Comprueba que se puede ejecutar o vuelve a configurar el juego en Ajustes.</translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation>No se pudo iniciar {program}. Comprueba que se puede ejecutar o abre su carpeta e inícialo desde allí.</translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation>vuelve a pulsar Ejecutar</translation>
    </message>
    <message>
        <source>connect again</source>
        <translation>vuelve a conectarte</translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation>Archivo descargado no iniciado.</translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation>Esto no es un enlace de TOVO para unirse: %1</translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation>El enlace para unirse indica un juego que TOVO no conoce: «%1».</translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation>La dirección del servidor del enlace para unirse no se puede usar: «%1».</translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation>hace un momento</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation>%1: aún no visto</translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation>%1: jugando ahora en %2</translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation>%1: visto por última vez %2 en %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation>Servicio de juego en línea Iron Lantern / Night Owls</translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation>Un enlace para unirse: tovo://join/&lt;código del juego&gt;/&lt;dirección&gt;.</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation>un punto y coma (;)</translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation>un signo más (+)</translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation>unas comillas (&quot;)</translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation>una barra invertida (\)</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>un tabulador</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un carácter de control (U+%1)</translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation>La contraseña tiene más de %1 caracteres, más de lo que admite el juego. Pide una más corta al admin del servidor.</translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation>una marca de comentario (%1)</translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation>La contraseña no puede contener %1: el juego leería ese carácter como un comando propio, no como parte de la contraseña. Pide otra contraseña al admin del servidor.</translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation>Inicio / Noticias</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Foro</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation>Añadir servidores</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation>Parches de juegos</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Ajustes y opciones</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>Amigos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>viewservers</name>
    <message>
        <source>Connect to Server</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>You must select a server to join.</source>
        <translation>Debes seleccionar un servidor para unirte.</translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation>Selecciona un servidor.</translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation>Configura las carpetas de los juegos antes de conectarte.</translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation>Carpetas no configuradas.</translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation>El servidor está lleno (%1/%2). ¿Esperar a que quede una plaza libre?</translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation>Servidor lleno</translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation>La lista de servidores de la comunidad no tiene ningún servidor %1.</translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation>No es posible unirse</translation>
    </message>
</context>
</TS>
