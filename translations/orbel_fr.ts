<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation>Pour que vos amis vous joignent par Internet en IPv4, activez Accepter les appels d&apos;Internet, ou redirigez le port TCP %1 de votre routeur vers cet ordinateur.</translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation>Pour que vos amis vous joignent par Internet en IPv4, redirigez le port TCP %1 de votre routeur vers cet ordinateur.</translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation>Demande à votre routeur de laisser entrer les appels d&apos;Internet...</translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation>Votre routeur n&apos;a pas laissé entrer les appels (%1)&#xa0;: redirigez le port TCP %2 de votre routeur vers cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (depuis Internet, par une ouverture créée par votre routeur)</translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (depuis Internet seulement si votre routeur laisse entrer les appels)</translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (votre réseau local seulement)</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (depuis Internet, via votre routeur)</translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation>La plupart des routeurs domestiques bloquent les appels d&apos;Internet vers les adresses IPv6&#xa0;; cherchez «&#xa0;autoriser les connexions entrantes&#xa0;» ou «&#xa0;pinhole&#xa0;» dans le vôtre.</translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation>Si cet ordinateur a un pare-feu, ouvrez-y le port TCP %1&#xa0;: sudo ufw allow %1/tcp, ou sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation>Les flèches déplacent le curseur, Espace prend et pose une pièce, Échap la remet en place&#xa0;; ou tapez un coup et appuyez sur Entrée. Ctrl+R lit la position.</translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation>Échiquier et feuille de partie</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Échiquier</translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n pièce</numerusform>
            <numerusform>%n pièces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pawns</source>
        <translation>
            <numerusform>%n pion</numerusform>
            <numerusform>%n pions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knights</source>
        <translation>
            <numerusform>%n cavalier</numerusform>
            <numerusform>%n cavaliers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bishops</source>
        <translation>
            <numerusform>%n fou</numerusform>
            <numerusform>%n fous</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooks</source>
        <translation>
            <numerusform>%n tour</numerusform>
            <numerusform>%n tours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queens</source>
        <translation>
            <numerusform>%n dame</numerusform>
            <numerusform>%n dames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kings</source>
        <translation>
            <numerusform>%n roi</numerusform>
            <numerusform>%n rois</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation>Aucun coup joué.</translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation>Début de la liste des coups.</translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation>Fin de la liste des coups.</translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation>Coup %1, Blancs, %2</translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation>Coup %1, Noirs, %2</translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation>, échec et mat</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, échec</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Coup impossible</translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation>%1. %2 revient en %3.</translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation>Aucune pièce à jouer en %1</translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation>Ce n&apos;est pas votre tour</translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation>En main&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Pièce remise en %1</translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation>Ce n&apos;est pas votre tour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation>Ce n&apos;est pas votre tour.</translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation>R D T F C</translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation>Ce n&apos;est pas un coup, %1.</translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation>Coup impossible, %1.</translation>
    </message>
    <message>
        <source> %1.</source>
        <translation> %1.</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>Coup&#xa0;: %1</translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation>Aucune partie sur l&apos;échiquier.</translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation>Pièces perdues par l&apos;ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation>Pièces perdues par le joueur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
</context>
<context>
    <name>orbel::Brain</name>
    <message>
        <source>mate in %1</source>
        <translation>mat en %1</translation>
    </message>
    <message>
        <source>mated in %1</source>
        <translation>maté en %1</translation>
    </message>
    <message>
        <source>%1, depth %2</source>
        <translation>%1, profondeur %2</translation>
    </message>
</context>
<context>
    <name>orbel::ChatPane</name>
    <message>
        <source>Chat:</source>
        <translation>Discussion&#xa0;:</translation>
    </message>
    <message>
        <source>Up to %1 characters; Enter sends</source>
        <translation>%1 caractères au plus&#xa0;; Entrée envoie</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation>%1 restants</translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation>%1,%2 secondes</translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation>aucun écran où afficher la partie (ni DISPLAY, ni WAYLAND_DISPLAY, ni QT_QPA_PLATFORM n&apos;est défini).</translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation>Échecs Orbel&#xa0;: un jeu d&apos;échecs contre l&apos;ordinateur, contre un ami sur le même ordinateur ou contre un ami via Internet.</translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation>Attendre les parties en réseau sur &lt;port&gt; au lieu de %1 (une deuxième copie sur la même machine, ou un réseau qui bloque %1)&#xa0;; ceux qui appellent indiquent alors hôte:&lt;port&gt;.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation>Ne pas demander au routeur (UPnP) de rediriger le port vers cet ordinateur.</translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation>partie-enregistrée</translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation>Une partie enregistrée (*.KRV) à reprendre au démarrage, comme le ferait Charger une partie.</translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation>[partie-enregistrée]</translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation>Afficher la position de la partie enregistrée en FEN et en en-tête PGN, puis quitter.</translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation>une seule partie enregistrée au plus, %1 indiquées.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation>--port attend un numéro de port de 1 à 65535, et non «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation>Connexion en cours.....
Veuillez patienter.....</translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation>Annuler l&apos;appel</translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation>pat</translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation>matériel insuffisant</translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation>triple répétition</translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation>la règle des cinquante coups</translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation>quintuple répétition</translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation>la règle des soixante-quinze coups</translation>
    </message>
    <message>
        <source>agreement</source>
        <translation>accord mutuel</translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation>temps écoulé face à un matériel insuffisant</translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation>Ce n&apos;est pas un programme exécutable&#xa0;:
%1</translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation>Ce moteur est déjà dans la liste&#xa0;:
%1</translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation>Vous pouvez ajouter %1 moteurs au plus. Retirez-en un d&apos;abord.</translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation>Interrogation...</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Moteurs</translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation>Les moteurs d&apos;échecs UCI peuvent être choisis dans Nouvelle partie. Le premier donne les conseils.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation>%1 (installé)</translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation>Aucun moteur trouvé&#xa0;: installez stockfish ou ajoutez-en un.</translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Parties enregistrées d&apos;Échecs Orbel (*.KRV)</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Impossible d&apos;enregistrer la partie dans «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation>Ce n&apos;est pas une partie enregistrée d&apos;Échecs Orbel.</translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Impossible de charger la partie depuis «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation>Les conseils nécessitent un moteur d&apos;échecs, comme Stockfish (sudo apt install stockfish).</translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation>Aucun coup à conseiller.</translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation>À propos d&apos;Échecs Orbel 3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation>Quoi de neuf dans la 3.0&#xa0;?</translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation>Nom d&apos;&amp;hôte ou adresse IP de l&apos;adversaire</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation>Votre &amp;pseudo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blancs</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Noirs</translation>
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
        <source>&amp;Time Control...</source>
        <translation>&amp;Cadence...</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Vous devez indiquer un pseudo&#xa0;!</translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation>Vous devez indiquer une adresse&#xa0;!</translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Touches sur l&apos;échiquier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbel::MainWindow</name>
    <message>
        <source>Orbel Chess 3.0</source>
        <translation>Échecs Orbel 3.0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation>&amp;Nouvelle partie à 1 joueur</translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation>Nouvelle partie à &amp;2 joueurs</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation>&amp;Ouvrir PGN ou FEN...</translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation>E&amp;xporter la partie (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation>Co&amp;pier la partie en PGN</translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation>Copier la position en &amp;FEN</translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation>Co&amp;ller une position ou partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation>Proposer la &amp;nulle</translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation>&amp;Réclamer la nulle</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>Ca&amp;dence...</translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Suspendre les &amp;pendules</translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation>&amp;Lire la position</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation>&amp;Options/&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation>Cases &amp;foncées</translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation>Cases &amp;claires</translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation>Couleurs d&apos;&amp;origine</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation>&amp;Options/&amp;Jeu de pièces</translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation>Dudidi</translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation>Ferrow Couleur 1</translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation>Ferrow Couleur 2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation>&amp;Afficher/masquer les coordonnées</translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation>A&amp;nnoncer les coups</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation>&amp;Règles standard des échecs</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Moteurs...</translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation>&amp;Réseau</translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation>Partie réseau &amp;directe</translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation>Votre &amp;adresse réseau...</translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation>Accepter les appels d&apos;&amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation>&amp;Forcer la fin de partie (seulement si l&apos;adversaire ne répond plus)</translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation>Demander à &amp;reprendre le coup</translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation>Re&amp;vanche</translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation>Rappe&amp;ler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation>&amp;Nouveautés de la 3.0</translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation>À &amp;propos d&apos;Échecs Orbel 3.0...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation>Réflexion&#xa0;:</translation>
    </message>
    <message>
        <source>Black:</source>
        <translation>Noirs&#xa0;:</translation>
    </message>
    <message>
        <source>White:</source>
        <translation>Blancs&#xa0;:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation>Discussion&#xa0;:</translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation>Ligne de discussion</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* La pendule de %1 indiquait %2, plus que possible&#xa0;: ramenée à %3.</translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* La pendule de %1 indique %2&#xa0;; cette copie a compté %3.</translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation>Le temps de %1 est écoulé&#xa0;; en attente de la confirmation de la copie de %1</translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation>* La copie de %1 n&apos;a pas confirmé que son temps était écoulé.</translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Relancer les &amp;pendules</translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation>Pendules en marche.</translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation>Pendules en pause</translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation>Pendules en pause.</translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation>Cette partie se joue sans pendule.</translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Blancs %1. Noirs %2. En pause.</translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Blancs %1. Noirs %2.</translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation>Il vous reste une minute.</translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation>Il vous reste dix secondes.</translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation>Il reste une minute aux Blancs.</translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation>Il reste dix secondes aux Blancs.</translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation>Il reste une minute aux Noirs.</translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation>Il reste dix secondes aux Noirs.</translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation>Le temps des Blancs est écoulé. Les Noirs gagnent au temps.</translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation>Le temps des Noirs est écoulé. Les Blancs gagnent au temps.</translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation>Partie enregistrée sous %1 dans %2.</translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation>Partie chargée depuis %1 dans %2. %3</translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation>Règles standard des échecs à partir de la prochaine partie.</translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation>Règles Orbel à partir de la prochaine partie.</translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation>Appels d&apos;Internet&#xa0;: votre routeur est invité à les laisser entrer.</translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation>Appels d&apos;Internet&#xa0;: votre routeur ne les laisse plus entrer.</translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation>Nouvelles parties&#xa0;: %1</translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation>Une copie d&apos;une version plus ancienne joue sans pendule.</translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation>%1

L&apos;ordinateur doit-il terminer la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation>Ajouter un moteur</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Moteurs</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation>%1 est de retour. %2</translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation>Règles standard des échecs, comme les moteurs</translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation>Règles standard des échecs</translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation>Règles Orbel 3.0</translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation>Partie nulle par %1.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Nulle</translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation>L&apos;ordinateur abandonne. Vous gagnez.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation>* La copie de %1 ne joue qu&apos;avec les règles Orbel 3.0.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation>* La copie de %1 n&apos;a pas de pendule&#xa0;: cette partie se joue sans pendule.</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation>le coup %1 des Blancs</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation>le coup %1 des Noirs</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>votre coup %1</translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation>le coup %1 de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation>le coup %1 de votre adversaire</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation>Aucun coup repris.</translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation>Repris&#xa0;: %1.</translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation>Aux Blancs de jouer, échec.</translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation>Aux Noirs de jouer, échec.</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Aux Blancs de jouer.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Aux Noirs de jouer.</translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation>Les Blancs proposent la nulle. Les Noirs acceptent-ils&#xa0;?</translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation>Les Noirs proposent la nulle. Les Blancs acceptent-ils&#xa0;?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Proposer la nulle</translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation>L&apos;ordinateur refuse la nulle.</translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation>%1 dit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation>Conseil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation>Conseil&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation>Conseil&#xa0;: attendez le coup de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation>Demande d&apos;un conseil au moteur...</translation>
    </message>
    <message>
        <source>Value:</source>
        <extracomment>Before the computer&apos;s or the engine&apos;s value of the position, as in &quot;Value: 34&quot;.</extracomment>
        <translation>Valeur :</translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation>ce n&apos;est pas un coup</translation>
    </message>
    <message>
        <source>no such move</source>
        <translation>coup impossible</translation>
    </message>
    <message>
        <source>which piece</source>
        <translation>quelle pièce</translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation>quel pion</translation>
    </message>
    <message>
        <source>which knight</source>
        <translation>quel cavalier</translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation>quel fou</translation>
    </message>
    <message>
        <source>which rook</source>
        <translation>quelle tour</translation>
    </message>
    <message>
        <source>which queen</source>
        <translation>quelle dame</translation>
    </message>
    <message>
        <source>which king</source>
        <translation>quel roi</translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation>Quelle pièce&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation>Quel pion&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation>Quel cavalier&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation>Quel fou&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation>Quelle tour&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation>Quelle dame&#xa0;? %1</translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation>Quel roi&#xa0;? %1</translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation>les pions sont toujours promus en dame</translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation>pas de prise en passant avec ces règles</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation>Ce n&apos;est pas un coup&#xa0;: %1</translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation>Coup impossible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation>Informations non valides</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation>Votre adresse réseau</translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation>On peut appeler cette copie d&apos;Échecs Orbel à l&apos;adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation>Accepter les appels d&apos;&amp;Internet</translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation>Tant que cette option est active, votre routeur est invité à transmettre à cet ordinateur les appels de quiconque a votre adresse.</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation>%1 a échoué,%2

%3</translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation>Appel de %1 refusé&#xa0;: un autre appel est déjà en cours.</translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation>* %1 accepte la nulle.</translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation>* %1 refuse la nulle.</translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation>* Vous acceptez la nulle.</translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation>* Vous refusez la nulle.</translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation>* %1 accepte la reprise du coup.</translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation>* %1 refuse la reprise du coup.</translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation>* Vous acceptez la reprise du coup.</translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation>* Vous refusez la reprise du coup.</translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation>* %1 accepte la revanche.</translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation>* %1 refuse la revanche.</translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation>* Vous acceptez la revanche.</translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation>* Vous refusez la revanche.</translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation>* Vous proposez la nulle.</translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation>* Vous demandez à reprendre votre dernier coup.</translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation>* Vous proposez une revanche.</translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation>* %1 propose la nulle.</translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation>%1 propose la nulle. Acceptez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Proposer la nulle</translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation>* %1 demande à reprendre son dernier coup.</translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation>%1 demande à reprendre son dernier coup. Acceptez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation>Reprendre le coup</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation>* %1 propose une revanche, vous jouez les Blancs.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation>%1 propose une revanche, vous jouez les Blancs. Acceptez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation>* %1 propose une revanche, vous jouez les Noirs.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation>%1 propose une revanche, vous jouez les Noirs. Acceptez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation>La copie de %1 n&apos;a plus cette partie&#xa0;: impossible de la poursuivre.</translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation>La copie de %1 a cette partie à une autre position&#xa0;: impossible de la poursuivre.</translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation>%1

La partie se jouera avec les règles standard des échecs.</translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation>%1

La partie se joue à la pendule&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation>* Non envoyé&#xa0;: la connexion est coupée.</translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation>IA</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blancs</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Noirs</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
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
        <source>&amp;Time Control...</source>
        <translation>&amp;Cadence...</translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation>E&amp;lo&#xa0;:</translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation>Elo du moteur</translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation>Choix du pseudo</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation>Votre &amp;pseudo pour cette partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Vous devez indiquer un pseudo&#xa0;!</translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation>Exporter la partie (PGN)</translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation>Copier la partie en PGN</translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation>Copier la position en FEN</translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation>Ouvrir PGN ou FEN</translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation>Coller une position ou partie</translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation>Il n&apos;y a pas encore de partie sur l&apos;échiquier.</translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation>%1

Le reste de la partie demeure sur l&apos;échiquier et dans une partie enregistrée (*.KRV).</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation>Le texte dépasse 1 Mo, bien plus qu&apos;il n&apos;en faut pour une partie.</translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation>Cette partie se joue avec les règles standard des échecs&#xa0;: elle contient une prise en passant, une promotion en une autre pièce que la dame, ou une nulle, ce que les règles Orbel 3.0 ne permettent pas.</translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Fichiers PGN (*.pgn)</translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Impossible d&apos;exporter la partie vers «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation>D&apos;autres programmes d&apos;échecs pourraient refuser cette position&#xa0;: %1.</translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Fichiers PGN et FEN (*.pgn *.fen)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Aucune partie n&apos;a été ouverte depuis «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation>Le presse-papiers ne contient aucune partie ni position à jouer&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation>Aucune partie ni position n&apos;a été trouvée dans le texte.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation>une balise doit s&apos;écrire [Nom &quot;valeur&quot;].</translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation>la valeur d&apos;une balise n&apos;est pas fermée sur sa ligne.</translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation>une balise n&apos;est pas fermée par ].</translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation>la partie a deux balises FEN.</translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation>la balise FEN est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation>un commentaire n&apos;est pas fermé par }.</translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation>une ) n&apos;est précédée d&apos;aucune (.</translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation>une variante n&apos;est pas fermée par ).</translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas à sa place.</translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation>Le coup %1 est ambigu. %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un coup.</translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation>Le coup %1 ne peut pas être joué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation>La partie dépasse %1 demi-coups, elle est trop longue pour être ouverte.</translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation>La position FEN est illisible&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation>La partie ne peut pas être exportée pour d&apos;autres programmes d&apos;échecs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation>La partie exportée s&apos;arrête avant %1, un coup que les échecs standard n&apos;autorisent pas&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation>Vous jouez %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>L&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation>L&apos;adversaire joue %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Les Blancs jouent %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Les Noirs jouent %1</translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation>Vous, %1</translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation>Ordinateur, %1</translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation>Adversaire, %1</translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation>Blancs, %1</translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation>Noirs, %1</translation>
    </message>
    <message>
        <source>You win.</source>
        <translation>Vous gagnez.</translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation>L&apos;ordinateur gagne.</translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation>Votre adversaire gagne.</translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation>Les Blancs gagnent.</translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation>Les Noirs gagnent.</translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation>, échec et mat. %1</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, échec</translation>
    </message>
    <message>
        <source>, %1. Draw.</source>
        <translation>, %1. Partie nulle.</translation>
    </message>
</context>
<context>
    <name>orbel::PortMapper</name>
    <message>
        <source>the router did not answer in time</source>
        <translation>le routeur n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation>les réponses du routeur sont illisibles</translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation>l&apos;assistant de redirection de port s&apos;est arrêté</translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation>pas de tube pour l&apos;assistant de redirection de port</translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation>l&apos;assistant de redirection de port est introuvable</translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation>l&apos;assistant de redirection de port n&apos;a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation>Le pion devient&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation>&amp;Dame</translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation>&amp;Tour</translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation>&amp;Fou</translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation>&amp;Cavalier</translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation>Ce n&apos;est pas un coup</translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation>Il n&apos;y a pas de pièce ici</translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation>Ce n&apos;est pas votre pièce</translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation>Une de vos pièces occupe cette case</translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation>Cette pièce ne se déplace pas ainsi</translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation>Le chemin est bloqué</translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation>Il n&apos;y a rien à prendre ici</translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation>Pas de prise en passant avec ces règles</translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation>Prise en passant seulement juste après l&apos;avance de deux cases</translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation>Le roi ne peut pas roquer en traversant une case attaquée</translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation>Le roi ne peut pas roquer en se mettant en échec</translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation>Le roi ou cette tour a déjà bougé, ou la tour n&apos;est plus là</translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation>Votre roi est en échec</translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation>Cette pièce est clouée devant son roi</translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation>Cette case est attaquée</translation>
    </message>
    <message>
        <source>no game on the board</source>
        <translation>aucune partie sur l’échiquier</translation>
    </message>
    <message>
        <source>nothing in hand</source>
        <translation>aucune pièce en main</translation>
    </message>
    <message>
        <source>not your move</source>
        <translation>ce n’est pas votre tour</translation>
    </message>
    <message>
        <source>no piece chosen</source>
        <translation>aucune pièce choisie</translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation>le roi ou cette tour a déjà bougé, ou la tour a été prise</translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation>le roi est en échec</translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation>ce coup n&apos;est pas légal</translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation>le roi traverse une case attaquée</translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation>le roi arrive sur une case attaquée</translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation>un pion est sur la première ou la dernière rangée</translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation>les Blancs doivent avoir exactement un roi</translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation>les Noirs doivent avoir exactement un roi</translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation>un camp a plus de 8 pions</translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation>un camp a plus de 16 pièces</translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation>le camp qui n&apos;a pas le trait est en échec</translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>pion</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>cavalier</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>fou</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>pieces</source>
        <translation>pièces</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>pions</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>cavaliers</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>fous</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>rois</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>pièce blanche</translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation>pion blanc</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>cavalier blanc</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>fou blanc</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>tour blanche</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>dame blanche</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>roi blanc</translation>
    </message>
    <message>
        <source>black piece</source>
        <translation>pièce noire</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>pion noir</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>cavalier noir</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>fou noir</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>tour noire</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>dame noire</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>roi noir</translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation>promotion en pièce</translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation>promotion en pion</translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation>promotion en cavalier</translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation>promotion en fou</translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation>promotion en tour</translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation>promotion en dame</translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation>promotion en roi</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>aucune pièce</translation>
    </message>
    <message>
        <source>check</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation>échec et mat</translation>
    </message>
    <message>
        <source>castles short</source>
        <translation>petit roque</translation>
    </message>
    <message>
        <source>castles long</source>
        <translation>grand roque</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation>%1 %2 prend %3 %4 en passant</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 en %3</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation>%1 %2 prend %3 %4</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>prend en %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 prend en %2</translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation>Blancs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation>Noirs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation>Aux Blancs de jouer, échec</translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation>Aux Noirs de jouer, échec</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Aux Blancs de jouer</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Aux Noirs de jouer</translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation>Règles standard des échecs.</translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation>Toutes les cases sont vides.</translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation>1 case vide.</translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation>%1 cases vides.</translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation>Les Blancs n&apos;ont pas de %1.</translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation>Les Noirs n&apos;ont pas de %1.</translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation>Blancs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation>Noirs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation>Blancs %1, Noirs %2.</translation>
    </message>
    <message>
        <source>Even.</source>
        <translation>Égalité.</translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation>Les Blancs mènent de %1.</translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation>Les Noirs mènent de %1.</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenMissing</name>
    <message>
        <source>pieces</source>
        <translation>pièces</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>pions</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>cavaliers</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>fous</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenTaken</name>
    <message>
        <source>piece</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>pion</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>cavalier</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>fou</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 coup</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation>%1 chacun</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation>%1 pour le reste de la partie</translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation>%1 pour toute la partie</translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, avec un délai de %2 par coup</translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, avec un incrément de %2 par coup</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation>%1, puis %2</translation>
    </message>
    <message>
        <source>No clock</source>
        <translation>Sans pendule</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation>%1&#xa0;: Blancs %2&#xa0;; Noirs %3</translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation>sans pendule</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation>&amp;Sans pendule</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minute</translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation>&amp;3 minutes + 2 secondes par coup</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minutes</translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation>1&amp;0 minutes + 5 secondes par coup</translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation>15 m&amp;inutes + 10 secondes par coup</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Autre</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation>S&amp;econdes par coup&#xa0;:</translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation>&amp;Coups&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation>Minutes ens&amp;uite&#xa0;:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Secondes par coup</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation>Minutes ensuite</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>type</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation>secondes par coup</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>coups</translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation>minutes ensuite</translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Pendule</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Autre cadence</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noirs</translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation>Temps différent pour les &amp;Noirs</translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation>Mort subite</translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation>Incrément (Fischer)</translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation>Délai (Bronstein)</translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation>Coups par période</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancs</translation>
    </message>
    <message>
        <source>Each side</source>
        <translation>Chaque camp</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 des Noirs</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 des Blancs</translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>Le moteur n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation>Le moteur n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation>Le moteur n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation>Le moteur a envoyé un coup illégal&#xa0;: %1</translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation>Le moteur a cessé de fonctionner.</translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Rappeler</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminer</translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation>Partie sur Internet</translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation>Échec de la connexion&#xa0;!</translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation>Problème WinSock - jeu sur Internet indisponible</translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation>Erreur de liaison du socket - jeu sur Internet indisponible</translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation>Problème de connexion - vérifiez les paramètres réseau</translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation>Délai de connexion dépassé&#xa0;!</translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation>Connexion refusée&#xa0;!</translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation>Demande de partie en réseau&#xa0;!</translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation>Une erreur s&apos;est produite</translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation>Accepter la partie proposée par %1
(%2)&#xa0;?</translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation>Connexion perdue — en attente du retour de %1</translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation>Demande de partie refusée</translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation>L&apos;adversaire joue avec quelqu&apos;un d&apos;autre</translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation>Adversaire indisponible</translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation>Félicitations&#xa0;! Votre adversaire a abandonné&#xa0;!</translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation>L&apos;adversaire s&apos;est déconnecté</translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation>Erreur de transmission - vérifiez votre connexion Internet</translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation>Erreur de transmission&#xa0;! - vérifiez votre connexion Internet</translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation>Erreur de transmission - vérifiez votre connexion Internet</translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation>Erreur de transmission - vérifiez votre connexion réseau</translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation>CloseConn() WSAAsyncSelect()</translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation>La connexion était déjà fermée.</translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation>Votre adversaire a envoyé un coup impossible dans cette position. La partie est terminée.</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Aux Blancs de jouer</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Aux Noirs de jouer</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Échec&#xa0;!</translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation>Échec et mat&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation>L&apos;ordinateur abandonne</translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation>Abandon&#xa0;!</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation>Une erreur s&apos;est produite et va très probablement interrompre votre partie.

Signalez toutes les erreurs de ce type à Tessaly (bugs@orbelchess.example)</translation>
    </message>
    <message>
        <source>Keys on the board
Arrow keys, move the cursor one square; up is away from you
Space or Enter, pick up the piece under the cursor, then put it down
Escape, put a picked-up piece back, or clear a typed move
Type a move and press Enter, for example e4, Nf3, exd5, O-O or e2e4; under standard rules e8=N
Backspace, take back the last typed letter
F2, the last move again, in full
F3, the rank the cursor is on
F4, the file the cursor is on
F5, the material count
F6, your pieces; Shift+F6, your opponent&apos;s pieces
F7, both clocks in a timed game; F8, pause or resume them at one board
Control+Shift+K, Q, R, B, N or P, where the kings, queens, rooks, bishops, knights or pawns stand
Page Up and Page Down, step back and forward through the moves; Home and End, the first and the last
Control+R, the whole position
Control+H, a hint: a chess engine&apos;s move for you, said and drawn as an arrow
Control+U, undo your last move
F10, the menus; F1, this list
Options, Announce Moves and Sounds turn the spoken moves and the sounds off and on
</source>
        <translation>Touches sur l&apos;échiquier
Flèches, déplacer le curseur d&apos;une case&#xa0;; Haut s&apos;éloigne de vous
Espace ou Entrée, prendre la pièce sous le curseur, puis la poser
Échap, remettre en place une pièce prise, ou effacer un coup tapé
Tapez un coup et appuyez sur Entrée, par exemple e4, Cf3, exd5, O-O ou e2e4&#xa0;; avec les règles standard e8=C
Retour arrière, effacer la dernière lettre tapée
F2, répéter le dernier coup, en entier
F3, la rangée du curseur
F4, la colonne du curseur
F5, le décompte du matériel
F6, vos pièces&#xa0;; Maj+F6, les pièces de votre adversaire
F7, les deux pendules dans une partie avec pendule&#xa0;; F8, les suspendre ou les relancer quand on joue à deux sur le même échiquier
Ctrl+Maj+K, Q, R, B, N ou P, où se trouvent les rois, dames, tours, fous, cavaliers ou pions
Page précédente et Page suivante, reculer et avancer dans les coups&#xa0;; Début et Fin, le premier et le dernier
Ctrl+R, toute la position
Ctrl+H, un conseil&#xa0;: le coup d&apos;un moteur d&apos;échecs pour vous, annoncé et dessiné par une flèche
Ctrl+U, annuler votre dernier coup
F10, les menus&#xa0;; F1, cette liste
Options, Annoncer les coups et Sons activent ou désactivent l&apos;annonce des coups et les sons
</translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation>Échecs Orbel version 3.0

© 2026 les développeurs d&apos;Échecs Orbel</translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation>Échecs Orbel est un jeu d&apos;échecs complet, qui permet en plus de jouer directement sur Internet. 

- L&apos;IA principale d&apos;Échecs Orbel propose trois niveaux de difficulté pour un jeu à votre mesure.

</translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation>- Le jeu direct sur Internet permet à des amis de s&apos;affronter à distance.

Signalez tous les bogues à bugs@orbelchess.example</translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation>Échecs Orbel a connu de nombreux changements, listés ci-dessous.

- Jeu direct sur Internet&#xa0;! Échecs Orbel permet désormais de défier des amis via Internet.

- Option deux joueurs 

- Enregistrement et rechargement des parties

</translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation>- Améliorations de l&apos;interface, dont l&apos;affichage des coordonnées de l&apos;échiquier

- Corrections de bogues importantes pour un jeu plus stable que jamais.</translation>
    </message>
</context>
</TS>
