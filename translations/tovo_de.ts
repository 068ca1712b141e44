<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Friends</name>
    <message>
        <source>Friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friends&apos; player names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type here</source>
        <extracomment>The alias box&apos;s text until the member types an alias</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member sign:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Login &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connect again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>viewservers</name>
    <message>
        <source>Connect to Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a server to join.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
