<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation>TOVO: autorzy i info.</translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation>Programowanie, grafika i projekt: zespół klienta TOVO
Kontakt: owls@ilnightowls.example</translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation>Asystent projektanta: Lamplighter</translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation>Admini sieci: Ironside i Barn Owl</translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation>Dodatkowe grafiki: Nightjar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>DirList</name>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation>%1 z %2, %3/s</translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation>Gotowe: %1 w %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation>Anulowano: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation>Nie zapisano: nie udało się nadać nazwy plikowi w %1.</translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation>Niepowodzenie: %1. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation>połączenie zostało przerwane</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation>TOVO nie może utworzyć folderu na twoje pliki, %1 (%2).

Program działa, ale nie zapisze twojego aliasu ani położenia twoich gier.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Nie można zapisać</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation>Wykrywanie sieci</translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation>Łączenie z siecią</translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation>Wykrywanie sieci</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Nie można połączyć się z siecią: nasze serwery są zajęte albo nie jesteś online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Sieć niedostępna</translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation>%1 gra w %2 na %3 (%4/%5)</translation>
    </message>
</context>
<context>
    <name>Friends</name>
    <message>
        <source>Friends</source>
        <translation>Znajomi</translation>
    </message>
    <message>
        <source>Your friends&apos; player names:</source>
        <translation>Nazwy graczy twoich znajomych:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nazwa gracza</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation>TOVO nie może zapisać listy znajomych w %1.</translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation>Nie zapisano znajomych.</translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation>Znalezione gry</translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation>Zaznacz gry do ustawienia, a potem kliknij „Ustaw zaznaczone”.</translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation>utworzone przez inne Wine: ustaw grę w jego launcherze</translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation>Ustaw zaznaczone</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>installed engine</source>
        <translation>zainstalowany silnik</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefiks Wine %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Login</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Type here</source>
        <extracomment>The alias box&apos;s text until the member types an alias</extracomment>
        <translation>Wpisz tutaj</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation>Zapamiętaj alias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <translation>Wpisz swój alias.</translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation>Wpisz alias              </translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation>Połączenie sieciowe nie powiodło się. Zamknij program i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation>Wykrywanie sieci nie powiodło się</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation>TOVO - Serwis gier online Iron Lantern / Night Owls</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation>Dołącz</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation>Aktualności</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation>Łatki / Aktualizacje</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serwery</translation>
    </message>
    <message>
        <source>Connected as:</source>
        <translation>Połączono jako:</translation>
    </message>
    <message>
        <source>Member sign:</source>
        <translation>Odznaka:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation>Łatki</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Nie można połączyć się z siecią: nasze serwery są zajęte albo nie jesteś online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Sieć niedostępna</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation>Hasło do serwera</translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation>Ten serwer wymaga hasła:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation>Zapamiętaj na tym komputerze</translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation>Ten komputer nie ma bazy kluczy do przechowania hasła, więc jest ono wymagane za każdym razem.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Hasło nie zostało przyjęte.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation>Ustaw %1</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Ustawienia i opcje</translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation>Zaznacz poniżej plik wykonywalny gry, a potem kliknij przycisk tej gry, aby ustawić jej folder.</translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation>Znak „+” na przycisku poniżej oznacza, że folder jest ustawiony.</translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation>Zaznacz pole poniżej i kliknij „Wyczyść zaznaczone”, aby usunąć ścieżkę gry.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation>Wyczyść %1</translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation>Wyczyść zaznaczone</translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation>Wyczyść wszystkie</translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation>Znajdź gry</translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation>Zapomnij hasła</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation>Nie wybrano jeszcze gry.</translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation>Nie wybrano gry</translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation>Czy zapomnieć wszystkie hasła do serwerów zapisane na tym komputerze?</translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation>Czy wyczyścić ścieżki wszystkich gier?</translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation>Wyczyść ścieżki</translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation>Nie znaleziono zainstalowanych gier.</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation>Czekanie na wolny slot</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation>Czekanie na wolny slot na %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation>Na %1 nie zwolnił się żaden slot w ciągu 30 minut.</translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation>Na %1 jest wolny slot (%2/%3): gra się uruchamia.</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Login &gt;</source>
        <translation>Wejdź ›</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation>Wpisz swój alias:</translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation>Zapamiętaj alias:</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation>Nie znaleziono gry.</translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation>Nie znaleziono folderu gry {folder}. Ustaw grę ponownie w Ustawieniach.</translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation>Pliku {program} nie ma już w {folder}. Pobierz go ponownie.</translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation>Nie znaleziono programu gry {program} w {folder}. Ustaw grę ponownie w Ustawieniach.</translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation>Wine nie jest zainstalowane.</translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation>{program} to program dla Windows i do działania potrzebuje Wine. Zainstaluj Wine, a potem {again}.</translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation>32-bitowe Wine nie jest zainstalowane.</translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation>{program} to 32-bitowy program dla Windows, a Wine na tym komputerze uruchamia tylko programy 64-bitowe. Zainstaluj 32-bitową część Wine (w Debianie, jako root: dpkg --add-architecture i386, potem apt update, potem apt install wine32:i386), a potem {again}.</translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation>Nie znaleziono Wine.</translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation>{program} działa z Wine, z którym zainstalował go launcher, {runner}, a tego Wine już nie ma. Zainstaluj to Wine ponownie w launcherze, z którego pochodzi gra, albo ustaw grę ponownie w Ustawieniach.</translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation>Steam nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation>{program} uruchamia się przez Steam, a Steam nie jest zainstalowany. Zainstaluj Steam ponownie albo ustaw grę ponownie w Ustawieniach.</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Hasło nie zostało przyjęte.</translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation>Hasło do serwera zawiera znak, który {program} odczytałby jako własne polecenie, więc gra nie została uruchomiona. Połącz się ponownie i wpisz hasło.</translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation>Nie uruchomiono gry.</translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation>Nie udało się uruchomić gry {program}. Sprawdź, czy da się ją uruchomić, albo ustaw grę ponownie w Ustawieniach.</translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation>Nie udało się uruchomić {program}. Sprawdź, czy da się go uruchomić, albo otwórz jego folder i uruchom go stamtąd.</translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation>kliknij ponownie Uruchom</translation>
    </message>
    <message>
        <source>connect again</source>
        <translation>połącz się ponownie</translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation>Nie uruchomiono pobranego pliku.</translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Czy na pewno chcesz wyjść?</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>NIE</translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation>To nie jest link dołączania TOVO: %1</translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation>Link dołączania wskazuje grę, której TOVO nie zna: „%1”.</translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation>Adresu serwera z linku dołączania nie można użyć: „%1”.</translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation>przed chwilą</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minutę temu</numerusform>
            <numerusform>%n minuty temu</numerusform>
            <numerusform>%n minut temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n godzinę temu</numerusform>
            <numerusform>%n godziny temu</numerusform>
            <numerusform>%n godzin temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n dzień temu</numerusform>
            <numerusform>%n dni temu</numerusform>
            <numerusform>%n dni temu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation>%1: jeszcze nie widziano</translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation>%1: gra teraz na %2</translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation>%1: ostatnio widziano %2 na %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation>Serwis gier online Iron Lantern / Night Owls</translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation>Link dołączania: tovo://join/&lt;kod gry&gt;/&lt;adres&gt;.</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation>średnika (;)</translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation>znaku plus (+)</translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation>cudzysłowu (&quot;)</translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation>ukośnika wstecznego (\)</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>spacji</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>tabulatora</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>znaku nowego wiersza</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>znaku sterującego (U+%1)</translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation>Hasło jest dłuższe, niż przyjmuje gra (limit znaków: %1). Poproś admina serwera o krótsze.</translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation>znacznika komentarza (%1)</translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation>Hasło nie może zawierać %1: gra odczytałaby ten znak jako własne polecenie, a nie jako część hasła. Poproś admina serwera o inne hasło.</translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation>Start / Aktualności</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serwery</translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation>Dodaj serwery</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation>Łatki do gier</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Ustawienia i opcje</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>Znajomi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
</context>
<context>
    <name>viewservers</name>
    <message>
        <source>Connect to Server</source>
        <translation>Połącz z serwerem</translation>
    </message>
    <message>
        <source>You must select a server to join.</source>
        <translation>Musisz wybrać serwer, do którego chcesz dołączyć.</translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation>Wybierz serwer.</translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation>Przed połączeniem ustaw foldery gier.</translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation>Foldery nie są ustawione.</translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation>Serwer jest pełny (%1/%2). Czekać na wolny slot?</translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation>Serwer pełny</translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation>Na liście serwerów społeczności nie ma serwera %1.</translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation>Nie można dołączyć</translation>
    </message>
</context>
</TS>
