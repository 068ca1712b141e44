<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos de TOVO</translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation>TOVO&#xa0;: crédits et infos.</translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation>Programmation, graphismes et design&#xa0;: l&apos;équipe du client TOVO
Contact&#xa0;: owls@ilnightowls.example</translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation>Assistant design&#xa0;: Lamplighter</translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation>Admins réseau&#xa0;: Ironside et Barn Owl</translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation>Graphismes additionnels&#xa0;: Nightjar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DirList</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation>%1 sur %2 à %3/s</translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation>Terminé&#xa0;: %1 dans %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation>Non enregistré&#xa0;: impossible de nommer le fichier dans %1.</translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation>Échec&#xa0;: %1. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation>la connexion a été coupée</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation>TOVO ne peut pas créer le dossier de vos fichiers, %1 (%2).

Il fonctionne, mais ne peut enregistrer ni votre alias ni l&apos;emplacement de vos jeux.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Enregistrement impossible</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation>Détection du réseau</translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation>Connexion au réseau</translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation>Détection du réseau</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Impossible de se connecter au réseau&#xa0;: nos serveurs sont occupés ou vous n&apos;êtes pas en ligne.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Réseau indisponible</translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation>%1 joue à %2 sur %3 (%4/%5)</translation>
    </message>
</context>
<context>
    <name>Friends</name>
    <message>
        <source>Friends</source>
        <translation>Amis</translation>
    </message>
    <message>
        <source>Your friends&apos; player names:</source>
        <translation>Noms de joueur de vos amis&#xa0;:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation>TOVO ne peut pas enregistrer vos amis dans %1.</translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation>Amis non enregistrés.</translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation>Jeux trouvés</translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation>Cochez les jeux à définir, puis cliquez sur «&#xa0;Définir la sélection&#xa0;».</translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation>créé par un autre Wine&#xa0;: configurez-le via son lanceur</translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation>Définir la sélection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>installed engine</source>
        <translation>moteur installé</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>préfixe Wine %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Type here</source>
        <extracomment>The alias box&apos;s text until the member types an alias</extracomment>
        <translation>Tapez ici</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation>Enregistrer l&apos;alias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <translation>Veuillez entrer votre alias.</translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation>Entrer l&apos;alias              </translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation>La connexion réseau a échoué. Veuillez quitter le programme et réessayer.</translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation>Échec de la détection du réseau</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation>TOVO - Service de jeu en ligne Iron Lantern / Night Owls</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation>Actus</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation>Patchs / Mises à jour</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Connected as:</source>
        <translation>Connecté&#xa0;:</translation>
    </message>
    <message>
        <source>Member sign:</source>
        <translation>Insigne&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation>Patchs/MàJ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Impossible de se connecter au réseau&#xa0;: nos serveurs sont occupés ou vous n&apos;êtes pas en ligne.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Réseau indisponible</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation>Mot de passe du serveur</translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation>Ce serveur demande un mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation>Mémoriser sur cet ordinateur</translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation>Cet ordinateur n&apos;a pas de trousseau pour garder le mot de passe&#xa0;: il sera demandé à chaque fois.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Mot de passe refusé.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation>Définir %1</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Paramètres et options</translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation>Sélectionnez ci-dessous l&apos;exécutable du jeu, puis cliquez sur le bouton du jeu pour activer son dossier.</translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation>Un «&#xa0;+&#xa0;» sur un bouton ci-dessous indique que le dossier est défini.</translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation>Cochez une case, puis cliquez sur «&#xa0;Effacer les cochés&#xa0;» pour retirer le dossier.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation>Effacer les cochés</translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation>Rechercher les jeux</translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation>Oublier les mots de passe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation>Vous n&apos;avez pas encore sélectionné de jeu.</translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation>Aucun jeu sélectionné</translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation>Voulez-vous oublier les mots de passe de tous les serveurs enregistrés sur cet ordinateur&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation>Voulez-vous effacer tous les dossiers définis&#xa0;?</translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation>Effacer les dossiers</translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation>Aucun jeu installé n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation>En attente d&apos;une place</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation>En attente d&apos;une place libre sur %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation>Aucune place ne s&apos;est libérée sur %1 en 30 minutes.</translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation>Une place est libre sur %1 (%2/%3)&#xa0;: le jeu démarre.</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Login &gt;</source>
        <translation>Entrer ›</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation>Entrez votre alias&#xa0;:</translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation>Enregistrer l&apos;alias&#xa0;:</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation>Jeu introuvable.</translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation>Le dossier du jeu {folder} est introuvable. Veuillez redéfinir le jeu dans les Paramètres.</translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation>{program} ne se trouve plus dans {folder}. Veuillez le télécharger à nouveau.</translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation>Le programme du jeu {program} est introuvable dans {folder}. Veuillez redéfinir le jeu dans les Paramètres.</translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation>Wine n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation>{program} est un programme Windows et a besoin de Wine pour fonctionner. Veuillez installer Wine, puis {again}.</translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation>Wine 32 bits n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation>{program} est un programme Windows 32 bits, et le Wine de cet ordinateur n&apos;exécute que des programmes 64 bits. Veuillez installer la partie 32 bits de Wine (sous Debian, en root&#xa0;: dpkg --add-architecture i386, puis apt update, puis apt install wine32:i386), puis {again}.</translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation>Wine introuvable.</translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation>{program} fonctionne avec le Wine avec lequel son lanceur l&apos;a installé, {runner}, et ce Wine n&apos;est plus là. Veuillez réinstaller ce Wine dans le lanceur d&apos;où vient le jeu, ou redéfinir le jeu dans les Paramètres.</translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation>Steam n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation>{program} se lance via Steam, et Steam n&apos;est pas installé. Veuillez réinstaller Steam, ou redéfinir le jeu dans les Paramètres.</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Mot de passe refusé.</translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation>Le mot de passe du serveur contient un caractère que {program} lirait comme une commande, le jeu n&apos;a donc pas été lancé. Veuillez vous reconnecter et saisir le mot de passe.</translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation>Jeu non lancé.</translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation>Le jeu {program} n&apos;a pas pu être lancé. Veuillez vérifier qu&apos;il peut être exécuté, ou redéfinir le jeu dans les Paramètres.</translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation>{program} n&apos;a pas pu être lancé. Veuillez vérifier qu&apos;il peut être exécuté, ou ouvrir son dossier et le lancer depuis celui-ci.</translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation>cliquer à nouveau sur Exécuter</translation>
    </message>
    <message>
        <source>connect again</source>
        <translation>vous reconnecter</translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation>Fichier téléchargé non lancé.</translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation>Ce n&apos;est pas un lien TOVO pour rejoindre&#xa0;: %1</translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation>Le lien pour rejoindre désigne un jeu que TOVO ne connaît pas&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation>L&apos;adresse du serveur du lien pour rejoindre est inutilisable&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation>à l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation>%1&#xa0;: pas encore vu</translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation>%1&#xa0;: joue en ce moment sur %2</translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation>%1&#xa0;: vu pour la dernière fois %2 sur %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation>Service de jeu en ligne Iron Lantern / Night Owls</translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation>Un lien pour rejoindre&#xa0;: tovo://join/&lt;code du jeu&gt;/&lt;adresse&gt;.</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation>un point-virgule (;)</translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation>un signe plus (+)</translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation>un guillemet (&quot;)</translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation>une barre oblique inverse (\)</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un espace</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>une tabulation</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>un caractère de contrôle (U+%1)</translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation>Le mot de passe dépasse %1 caractères, plus que ce que le jeu accepte. Demandez-en un plus court à l&apos;admin du serveur.</translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation>une marque de commentaire (%1)</translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation>Le mot de passe ne peut pas contenir %1&#xa0;: le jeu lirait ce caractère comme une commande, et non comme une partie du mot de passe. Demandez un autre mot de passe à l&apos;admin du serveur.</translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation>Accueil / Actus</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation>Ajouter des serveurs</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation>Patchs des jeux</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Paramètres et options</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>Amis</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>viewservers</name>
    <message>
        <source>Connect to Server</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>You must select a server to join.</source>
        <translation>Vous devez sélectionner un serveur à rejoindre.</translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation>Sélectionnez un serveur.</translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation>Veuillez définir les dossiers des jeux avant de vous connecter.</translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation>Dossiers non définis.</translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation>Le serveur est plein (%1/%2). Attendre qu&apos;une place se libère&#xa0;?</translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation>Serveur plein</translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation>La liste des serveurs de la communauté ne contient aucun serveur %1.</translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation>Impossible de rejoindre</translation>
    </message>
</context>
</TS>
