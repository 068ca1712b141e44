<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre o TOVO</translation>
    </message>
    <message>
        <source>TOVO credits and info.</source>
        <translation>Créditos e info do TOVO.</translation>
    </message>
    <message>
        <source>Programming, art and design: The TOVO client team
Contact at: owls@ilnightowls.example</source>
        <translation>Programação, arte e design: a equipe do cliente TOVO
Contato: owls@ilnightowls.example</translation>
    </message>
    <message>
        <source>Design Assitant: Lamplighter</source>
        <translation>Assistente de design: Lamplighter</translation>
    </message>
    <message>
        <source>Network Admins: Ironside and Barn Owl</source>
        <translation>Admins de rede: Ironside e Barn Owl</translation>
    </message>
    <message>
        <source>Additional Artwork: Nightjar</source>
        <translation>Arte adicional: Nightjar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DirList</name>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
</context>
<context>
    <name>DownloadWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the downloaded program</extracomment>
        <translation>Executar</translation>
    </message>
    <message>
        <source>%1 of %2 at %3/s</source>
        <extracomment>Bytes received, of the whole, at the speed: &quot;1.5 MB of 10 MB at 300 KB/s&quot;</extracomment>
        <translation>%1 de %2 a %3/s</translation>
    </message>
    <message>
        <source>Done: %1 in %2</source>
        <translation>Concluído: %1 em %2</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation>Cancelado: nada foi salvo.</translation>
    </message>
    <message>
        <source>Not saved: the file could not be named in %1.</source>
        <translation>Não salvo: não foi possível dar nome ao arquivo em %1.</translation>
    </message>
    <message>
        <source>Failed: %1. Nothing was saved.</source>
        <translation>Falha: %1. Nada foi salvo.</translation>
    </message>
    <message>
        <source>the connection was cut</source>
        <translation>a conexão caiu</translation>
    </message>
</context>
<context>
    <name>DriveList</name>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
</context>
<context>
    <name>FilesFolder</name>
    <message>
        <source>TOVO cannot make the folder for your files, %1 (%2).

It runs, but it cannot save your alias or where your games are.</source>
        <translation>O TOVO não consegue criar a pasta para seus arquivos, %1 (%2).

Ele funciona, mas não consegue salvar seu alias nem onde estão seus jogos.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Não é possível salvar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Detecting Network</source>
        <translation>Detectando a rede</translation>
    </message>
    <message>
        <source>Connecting to Network</source>
        <translation>Conectando à rede</translation>
    </message>
    <message>
        <source>Detecting network</source>
        <translation>Detectando a rede</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Não foi possível conectar à rede: nossos servidores estão ocupados ou você não está online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Rede indisponível</translation>
    </message>
</context>
<context>
    <name>FriendWatch</name>
    <message>
        <source>%1 is playing %2 on %3 (%4/%5)</source>
        <extracomment>A friend, the game, the server, its players and its limit</extracomment>
        <translation>%1 está jogando %2 em %3 (%4/%5)</translation>
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
        <translation>Nomes de jogador dos seus amigos:</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>TOVO cannot save your friends in %1.</source>
        <translation>O TOVO não consegue salvar seus amigos em %1.</translation>
    </message>
    <message>
        <source>Friends not saved.</source>
        <translation>Amigos não salvos.</translation>
    </message>
</context>
<context>
    <name>GamesFound</name>
    <message>
        <source>Games Found</source>
        <translation>Jogos encontrados</translation>
    </message>
    <message>
        <source>Tick the games to set, then press Set Selected.</source>
        <translation>Marque os jogos a definir e clique em &quot;Definir selecionados&quot;.</translation>
    </message>
    <message>
        <source>made by another Wine: set it through its launcher</source>
        <translation>criado por outro Wine: configure pelo launcher dele</translation>
    </message>
    <message>
        <source>Set Selected</source>
        <translation>Definir selecionados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>installed engine</source>
        <translation>engine instalada</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefixo do Wine %1</translation>
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
        <translation>Digite aqui</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Save alias</source>
        <translation>Salvar alias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Please enter your alias.</source>
        <translation>Por favor, digite seu alias.</translation>
    </message>
    <message>
        <source>Enter alias              </source>
        <extracomment>The title keeps its blanks: they widen the box&apos;s title bar</extracomment>
        <translation>Digite o alias              </translation>
    </message>
    <message>
        <source>Network connection failed, please exit program and try again.</source>
        <translation>A conexão de rede falhou. Saia do programa e tente novamente.</translation>
    </message>
    <message>
        <source>Network Detection Failed</source>
        <translation>Falha na detecção da rede</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>TOVO - Iron Lantern / Night Owls Online Game Service</source>
        <extracomment>TOVO, Iron Lantern and Night Owls are names</extracomment>
        <translation>TOVO - Serviço de jogos online Iron Lantern / Night Owls</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>PageWindow</name>
    <message>
        <source>News</source>
        <translation>Notícias</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Patches / Update</source>
        <translation>Patches / Atualizações</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Fórum</translation>
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
        <translation>Insígnia:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no member sign</comment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Online time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Patch/Update</source>
        <translation>Patches</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Unabled to connect to network, either our servers are busy our your not online.</source>
        <translation>Não foi possível conectar à rede: nossos servidores estão ocupados ou você não está online.</translation>
    </message>
    <message>
        <source>IL Owls - Network Unavailable</source>
        <translation>IL Owls - Rede indisponível</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <source>Server Password</source>
        <translation>Senha do servidor</translation>
    </message>
    <message>
        <source>This server asks for a password:</source>
        <translation>Este servidor pede uma senha:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Remember on this computer</source>
        <translation>Lembrar neste computador</translation>
    </message>
    <message>
        <source>This computer has no keyring to keep the password in, so it is asked each time.</source>
        <translation>Este computador não tem um chaveiro para guardar a senha, então ela é pedida toda vez.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Senha não aceita.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Set %1</source>
        <extracomment>A Set button: the game&apos;s folder is picked as the one that starts it; %1 is the game</extracomment>
        <translation>Definir %1</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Configurações e opções</translation>
    </message>
    <message>
        <source>Find game executable below and highlight.  Then hit the corresponding set button to make directory active.</source>
        <translation>Selecione abaixo o executável do jogo e clique no botão desse jogo para ativar a pasta.</translation>
    </message>
    <message>
        <source>The Set buttons below with a &quot;+&quot; means that the directory has been set.</source>
        <translation>Um &quot;+&quot; em um botão abaixo indica que a pasta já foi definida.</translation>
    </message>
    <message>
        <source>Check a box below and then hit &quot;Clear Selected Directories&quot; button to remove selected dir.</source>
        <translation>Marque uma caixa e clique em &quot;Limpar marcadas&quot; para remover o caminho do jogo.</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>A box that marks a game&apos;s folder to be cleared; %1 is the game</extracomment>
        <translation>Limpar %1</translation>
    </message>
    <message>
        <source>Clear Selected Directories</source>
        <translation>Limpar marcadas</translation>
    </message>
    <message>
        <source>Clear All Directories</source>
        <translation>Limpar todas</translation>
    </message>
    <message>
        <source>Find Games</source>
        <translation>Procurar jogos</translation>
    </message>
    <message>
        <source>Forget Passwords</source>
        <translation>Esquecer senhas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>You did not select a game yet.</source>
        <translation>Você ainda não selecionou um jogo.</translation>
    </message>
    <message>
        <source>No game selected</source>
        <translation>Nenhum jogo selecionado</translation>
    </message>
    <message>
        <source>Do you want to forget the passwords of all servers kept on this computer?</source>
        <translation>Deseja esquecer as senhas de todos os servidores salvas neste computador?</translation>
    </message>
    <message>
        <source>Do you want to clear all directories?</source>
        <translation>Deseja limpar os caminhos de todos os jogos?</translation>
    </message>
    <message>
        <source>Clear Directories</source>
        <translation>Limpar caminhos</translation>
    </message>
    <message>
        <source>No installed games were found.</source>
        <translation>Nenhum jogo instalado foi encontrado.</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a free slot</source>
        <translation>Aguardando uma vaga</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1...</source>
        <translation>Aguardando uma vaga em %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No slot came free on %1 in 30 minutes.</source>
        <translation>Nenhuma vaga abriu em %1 em 30 minutos.</translation>
    </message>
    <message>
        <source>A slot is free on %1 (%2/%3): the game starts.</source>
        <translation>Abriu uma vaga em %1 (%2/%3): o jogo está iniciando.</translation>
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
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Enter your alias:</source>
        <translation>Digite seu alias:</translation>
    </message>
    <message>
        <source>Save alias:</source>
        <translation>Salvar alias:</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Game not found.</source>
        <translation>Jogo não encontrado.</translation>
    </message>
    <message>
        <source>The game&apos;s folder {folder} could not be found. Please set the game again in Settings.</source>
        <translation>A pasta do jogo {folder} não foi encontrada. Defina o jogo novamente nas Configurações.</translation>
    </message>
    <message>
        <source>{program} is no longer in {folder}. Please download it again.</source>
        <translation>{program} não está mais em {folder}. Baixe-o novamente.</translation>
    </message>
    <message>
        <source>The game&apos;s program {program} could not be found in {folder}. Please set the game again in Settings.</source>
        <translation>O programa do jogo {program} não foi encontrado em {folder}. Defina o jogo novamente nas Configurações.</translation>
    </message>
    <message>
        <source>Wine not installed.</source>
        <translation>Wine não instalado.</translation>
    </message>
    <message>
        <source>{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.</source>
        <translation>{program} é um programa do Windows e precisa do Wine para rodar. Instale o Wine e depois {again}.</translation>
    </message>
    <message>
        <source>32-bit Wine not installed.</source>
        <translation>Wine de 32 bits não instalado.</translation>
    </message>
    <message>
        <source>{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. Please install Wine&apos;s 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install wine32:i386), then {again}.</source>
        <translation>{program} é um programa do Windows de 32 bits, e o Wine deste computador só roda programas de 64 bits. Instale a parte de 32 bits do Wine (no Debian, como root: dpkg --add-architecture i386, depois apt update, depois apt install wine32:i386) e depois {again}.</translation>
    </message>
    <message>
        <source>Wine not found.</source>
        <translation>Wine não encontrado.</translation>
    </message>
    <message>
        <source>{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.</source>
        <translation>{program} roda com o Wine com que o launcher o instalou, {runner}, e esse Wine não existe mais. Instale esse Wine novamente no launcher de onde o jogo veio ou defina o jogo novamente nas Configurações.</translation>
    </message>
    <message>
        <source>Steam not installed.</source>
        <translation>Steam não instalado.</translation>
    </message>
    <message>
        <source>{program} is started through Steam, and Steam is not installed. Please install Steam again, or set the game again in Settings.</source>
        <translation>{program} é iniciado pela Steam, e a Steam não está instalada. Instale a Steam novamente ou defina o jogo novamente nas Configurações.</translation>
    </message>
    <message>
        <source>Password not accepted.</source>
        <translation>Senha não aceita.</translation>
    </message>
    <message>
        <source>The server&apos;s password holds a character that {program} would read as a command of its own, so the game was not started. Please connect again and type the password.</source>
        <translation>A senha do servidor contém um caractere que {program} leria como um comando próprio, então o jogo não foi iniciado. Conecte-se novamente e digite a senha.</translation>
    </message>
    <message>
        <source>Game not started.</source>
        <translation>Jogo não iniciado.</translation>
    </message>
    <message>
        <source>The game {program} could not be started. Please check that it can be run, or set the game again in Settings.</source>
        <translation>Não foi possível iniciar o jogo {program}. Verifique se ele pode ser executado ou defina o jogo novamente nas Configurações.</translation>
    </message>
    <message>
        <source>{program} could not be started. Please check that it can be run, or open its folder and start it there.</source>
        <translation>Não foi possível iniciar {program}. Verifique se ele pode ser executado ou abra a pasta dele e inicie-o por lá.</translation>
    </message>
    <message>
        <source>press Run again</source>
        <extracomment>What the member does once the reason is mended: %1 of &quot;Please ..., then %1.&quot;</extracomment>
        <translation>clique em Executar novamente</translation>
    </message>
    <message>
        <source>connect again</source>
        <translation>conecte-se novamente</translation>
    </message>
    <message>
        <source>Download not started.</source>
        <translation>Arquivo baixado não iniciado.</translation>
    </message>
</context>
<context>
    <name>closeprog</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>The answer to the Exit question, on a button in capitals</extracomment>
        <translation>NÃO</translation>
    </message>
</context>
<context>
    <name>joinlink</name>
    <message>
        <source>This is no TOVO join link: %1</source>
        <translation>Este não é um link de entrada do TOVO: %1</translation>
    </message>
    <message>
        <source>The join link names no game TOVO knows: &quot;%1&quot;.</source>
        <translation>O link de entrada indica um jogo que o TOVO não conhece: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The join link&apos;s server address cannot be used: &quot;%1&quot;.</source>
        <translation>O endereço do servidor do link de entrada não pode ser usado: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>lastseen</name>
    <message>
        <source>just now</source>
        <translation>agora há pouco</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>há %n minuto</numerusform>
            <numerusform>há %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>há %n hora</numerusform>
            <numerusform>há %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>há %n dia</numerusform>
            <numerusform>há %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not seen yet</source>
        <translation>%1: ainda não visto</translation>
    </message>
    <message>
        <source>%1: playing now on %2</source>
        <translation>%1: jogando agora em %2</translation>
    </message>
    <message>
        <source>%1: last seen %2 on %3</source>
        <extracomment>%2 is how long ago: &quot;just now&quot;, &quot;2 hours ago&quot;; %3 the server&apos;s name</extracomment>
        <translation>%1: visto por último %2 em %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Iron Lantern / Night Owls Online Game Service</source>
        <translation>Serviço de jogos online Iron Lantern / Night Owls</translation>
    </message>
    <message>
        <source>A join link: tovo://join/&lt;game code&gt;/&lt;address&gt;.</source>
        <translation>Um link de entrada: tovo://join/&lt;código do jogo&gt;/&lt;endereço&gt;.</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>a semicolon (;)</source>
        <translation>um ponto e vírgula (;)</translation>
    </message>
    <message>
        <source>a plus sign (+)</source>
        <translation>um sinal de mais (+)</translation>
    </message>
    <message>
        <source>a quotation mark (&quot;)</source>
        <translation>aspas (&quot;)</translation>
    </message>
    <message>
        <source>a backslash (\)</source>
        <translation>uma barra invertida (\)</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>um espaço</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>uma tabulação</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>uma quebra de linha</translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation>um caractere de controle (U+%1)</translation>
    </message>
    <message>
        <source>The password is longer than %1 characters, more than the game takes. Please ask the server&apos;s admin for a shorter one.</source>
        <translation>A senha tem mais de %1 caracteres, mais do que o jogo aceita. Peça uma mais curta ao admin do servidor.</translation>
    </message>
    <message>
        <source>a remark mark (%1)</source>
        <translation>uma marca de comentário (%1)</translation>
    </message>
    <message>
        <source>The password cannot contain %1: the game would read it as a command of its own, not as the password. Please ask the server&apos;s admin for a password without it.</source>
        <translation>A senha não pode conter %1: o jogo leria esse caractere como um comando próprio, e não como parte da senha. Peça outra senha ao admin do servidor.</translation>
    </message>
</context>
<context>
    <name>popmnu</name>
    <message>
        <source>Home / News</source>
        <translation>Início / Notícias</translation>
    </message>
    <message>
        <source>Discuss</source>
        <translation>Fórum</translation>
    </message>
    <message>
        <source>View Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Add Servers</source>
        <translation>Adicionar servidores</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Game Patches</source>
        <translation>Patches de jogos</translation>
    </message>
    <message>
        <source>Settings and Options</source>
        <translation>Configurações e opções</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>Amigos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre o TOVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Você precisa selecionar um servidor para entrar.</translation>
    </message>
    <message>
        <source>Select Server.</source>
        <translation>Selecione um servidor.</translation>
    </message>
    <message>
        <source>Please configure game directories, before connecting to game.</source>
        <translation>Defina as pastas dos jogos antes de conectar.</translation>
    </message>
    <message>
        <source>Directories not set.</source>
        <translation>Pastas não definidas.</translation>
    </message>
    <message>
        <source>The server is full (%1/%2). Wait for a free slot?</source>
        <translation>O servidor está cheio (%1/%2). Esperar uma vaga?</translation>
    </message>
    <message>
        <source>Server Full</source>
        <translation>Servidor cheio</translation>
    </message>
    <message>
        <source>The community&apos;s server list has no server %1.</source>
        <translation>A lista de servidores da comunidade não tem o servidor %1.</translation>
    </message>
    <message>
        <source>Cannot join</source>
        <translation>Não é possível entrar</translation>
    </message>
</context>
</TS>
