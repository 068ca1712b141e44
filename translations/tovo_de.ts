<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über TOVO</translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation>TOVO: Credits und Infos.</translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation>Programmierung, Grafik und Design: Das TOVO-Client-Team
Kontakt: owls@ilnightowls.example</translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation>Design-Assistent: Lamplighter</translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation>Netzwerk-Admins: Ironside und Barn Owl</translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation>Zusätzliche Grafiken: Nightjar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DirList</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation>%1 von %2 mit %3/s</translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation>Fertig: %1 in %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation>Abgebrochen: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation>Nicht gespeichert: Die Datei konnte in %1 keinen Namen bekommen.</translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation>Fehlgeschlagen: %1. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation>die Verbindung wurde unterbrochen</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation>TOVO kann den Ordner für deine Dateien nicht anlegen: %1 (%2).

TOVO läuft, kann aber weder deinen Alias noch die Ordner deiner Spiele speichern.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Speichern nicht möglich</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation>Netzwerkerkennung</translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation>Verbindung zum Netzwerk wird hergestellt</translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation>Netzwerk wird erkannt</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Keine Verbindung zum Netzwerk möglich: Entweder sind unsere Server ausgelastet oder du bist nicht online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Netzwerk nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation>%1 spielt %2 auf %3 (%4/%5)</translation>
    </message>
</context>
<context>
    <name>Friends</name>
    <message>
        <source>Friends</source>
        <translation>Freunde</translation>
    </message>
    <message>
        <source>Your friends&apos; player names:</source>
        <translation>Spielernamen deiner Freunde:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation>TOVO kann deine Freunde nicht in %1 speichern.</translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation>Freunde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation>Gefundene Spiele</translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation>Hake die Spiele an, die festgelegt werden sollen, und klicke dann auf „Auswahl festlegen“.</translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation>von einem anderen Wine angelegt: über dessen Launcher einrichten</translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation>Auswahl festlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>installed engine</source>
        <translation>installierte Engine</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Wine-Präfix %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Type here</source>
        <extracomment>The alias box&apos;s text until the member types an alias</extracomment>
        <translation>Hier eingeben</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation>Alias speichern</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <translation>Bitte gib deinen Alias ein.</translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation>Alias eingeben              </translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation>Die Netzwerkverbindung ist fehlgeschlagen. Bitte beende das Programm und versuche es erneut.</translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation>Netzwerkerkennung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation>TOVO - Iron Lantern / Night Owls Online-Spieledienst</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation>Patches / Updates</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serverliste</translation>
    </message>
    <message>
        <source>Connected as:</source>
        <translation>Verbunden als:</translation>
    </message>
    <message>
        <source>Member sign:</source>
        <translation>Abzeichen:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation>Patch/Update</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Keine Verbindung zum Netzwerk möglich: Entweder sind unsere Server ausgelastet oder du bist nicht online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Netzwerk nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation>Server-Passwort</translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation>Dieser Server verlangt ein Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation>Auf diesem Computer merken</translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation>Dieser Computer hat keinen Schlüsselbund für das Passwort, daher wird es jedes Mal abgefragt.</translation>
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
        <source>Password not accepted.</source>
        <translation>Passwort nicht akzeptiert.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation>%1 festlegen</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Einstellungen und Optionen</translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation>Wähle unten die Programmdatei des Spiels aus. Klicke dann auf den Button des Spiels, um seinen Ordner festzulegen.</translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation>Ein „+“ auf einem Button unten bedeutet, dass der Ordner festgelegt ist.</translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation>Hake ein Kästchen an und klicke auf „Markierte zurücksetzen“, um den Ordner zu entfernen.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation>%1 zurücksetzen</translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation>Markierte zurücksetzen</translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation>Spiele suchen</translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation>Passwörter vergessen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation>Du hast noch kein Spiel ausgewählt.</translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation>Kein Spiel ausgewählt</translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation>Möchtest du die Passwörter aller Server vergessen, die auf diesem Computer gespeichert sind?</translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation>Möchtest du alle Ordner zurücksetzen?</translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation>Ordner zurücksetzen</translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation>Es wurden keine installierten Spiele gefunden.</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation>Warten auf freien Slot</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation>Warte auf einen freien Slot auf %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation>Auf %1 ist in 30 Minuten kein Slot frei geworden.</translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation>Auf %1 ist ein Slot frei (%2/%3): Das Spiel startet.</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Login &gt;</source>
        <translation>Login &gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation>Gib deinen Alias ein:</translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation>Alias speichern:</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation>Spiel nicht gefunden.</translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation>Der Ordner des Spiels, {folder}, wurde nicht gefunden. Bitte lege das Spiel in den Einstellungen neu fest.</translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation>{program} ist nicht mehr in {folder}. Bitte lade es erneut herunter.</translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation>Das Programm des Spiels, {program}, wurde in {folder} nicht gefunden. Bitte lege das Spiel in den Einstellungen neu fest.</translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation>Wine nicht installiert.</translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation>{program} ist ein Windows-Programm und braucht Wine. Bitte installiere Wine und {again}.</translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation>32-Bit-Wine nicht installiert.</translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation>{program} ist ein 32-Bit-Windows-Programm, und das Wine auf diesem Computer führt nur 64-Bit-Programme aus. Bitte installiere den 32-Bit-Teil von Wine (unter Debian, als root: dpkg --add-architecture i386, dann apt update, dann apt install wine32:i386) und {again}.</translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation>Wine nicht gefunden.</translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation>{program} läuft mit dem Wine, mit dem sein Launcher es installiert hat, {runner}, und dieses Wine ist nicht mehr da. Bitte installiere dieses Wine im Launcher des Spiels neu oder lege das Spiel in den Einstellungen neu fest.</translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation>Steam nicht installiert.</translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation>{program} wird über Steam gestartet, und Steam ist nicht installiert. Bitte installiere Steam neu oder lege das Spiel in den Einstellungen neu fest.</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Passwort nicht akzeptiert.</translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation>Das Passwort des Servers enthält ein Zeichen, das {program} als eigenen Befehl lesen würde, daher wurde das Spiel nicht gestartet. Bitte verbinde dich erneut und gib das Passwort ein.</translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation>Spiel nicht gestartet.</translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation>Das Spiel {program} konnte nicht gestartet werden. Bitte prüfe, ob es sich ausführen lässt, oder lege das Spiel in den Einstellungen neu fest.</translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation>{program} konnte nicht gestartet werden. Bitte prüfe, ob es sich ausführen lässt, oder öffne seinen Ordner und starte es dort.</translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation>klicke erneut auf „Ausführen“</translation>
    </message>
    <message>
        <source>connect again</source>
        <translation>verbinde dich erneut</translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation>Heruntergeladene Datei nicht gestartet.</translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Willst du TOVO wirklich beenden?</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation>Das ist kein TOVO-Beitrittslink: %1</translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation>Der Beitrittslink nennt kein Spiel, das TOVO kennt: „%1“.</translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation>Die Serveradresse des Beitrittslinks ist nicht verwendbar: „%1“.</translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation>%1: noch nicht gesehen</translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation>%1: spielt gerade auf %2</translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation>%1: zuletzt gesehen %2 auf %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation>Iron Lantern / Night Owls Online-Spieledienst</translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation>Ein Beitrittslink: tovo://join/&lt;Spielkürzel&gt;/&lt;Adresse&gt;.</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation>ein Semikolon (;)</translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation>ein Pluszeichen (+)</translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation>ein Anführungszeichen (&quot;)</translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation>einen Backslash (\)</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>einen Tabulator</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>ein Steuerzeichen (U+%1)</translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation>Das Passwort ist länger als %1 Zeichen, mehr als das Spiel annimmt. Bitte frag den Admin des Servers nach einem kürzeren.</translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation>ein Kommentarzeichen (%1)</translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation>Das Passwort darf %1 nicht enthalten: Das Spiel würde dieses Zeichen als eigenen Befehl lesen, nicht als Teil des Passworts. Bitte frag den Admin des Servers nach einem anderen Passwort.</translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation>Start / News</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serverliste</translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation>Server hinzufügen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation>Spiel-Patches</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Einstellungen und Optionen</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>Freunde</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>viewservers</name>
    <message>
        <source>Connect to Server</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>You must select a server to join.</source>
        <translation>Du musst einen Server auswählen, um beizutreten.</translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation>Server auswählen.</translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation>Bitte lege zuerst die Ordner deiner Spiele fest, bevor du dich verbindest.</translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation>Ordner nicht festgelegt.</translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation>Der Server ist voll (%1/%2). Auf einen freien Slot warten?</translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation>Server voll</translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation>Die Serverliste der Community enthält keinen Server %1.</translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation>Beitritt nicht möglich</translation>
    </message>
</context>
</TS>
