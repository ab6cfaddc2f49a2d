<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Séance en classe</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>Code QR de l&apos;adresse pour rejoindre la classe</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Interroger la salle</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Révéler</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Revoter</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>&amp;Arrêter la séance</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>La séance en classe n&apos;a pas pu écouter sur le port %1 : %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>Les réponses de la classe n&apos;ont pas pu être écrites dans %1 : %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>Une partie du programme n&apos;a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Cliquez sur un top pour ramener chaque configuration à ce moment</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Fenêtre d&apos;émission (paquets)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Débit utile (paquets par 100 tops, sur les 200 derniers)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>top (50 ms à 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Configuration &amp;%1 :</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Réseau → Pertes… les modifie, ici ou dans la comparaison)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Exécuter côte à côte avec une même horloge et les mêmes pertes :</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Compare: %1</source>
        <translation>Comparaison : %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pas en &amp;avant</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Pas en a&amp;rrière</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Vitesse de l&apos;horloge commune</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Pertes…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Diagramme…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Chaque configuration perd les mêmes paquets et ACK. Un clic sur le graphique les ramène toutes à ce top ; un paquet ou un ACK que vous perdez dans une fenêtre est aussi perdu dans les autres.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>E&amp;xporter une image…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;Polycopié…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>émetteur</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>récepteur</translation>
    </message>
    <message>
        <source>user</source>
        <translation>utilisateur</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ce qui s&apos;est passé</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagramme temps-séquence</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Diagramme temps-séquence de l&apos;exécution</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exporter une image…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Leçons</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pertes</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Paquets perdus :</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>&amp;ACK perdus :</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK du paquet</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>Le numéro du paquet ; pour un ACK, le paquet dont l&apos;arrivée le déclenche</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>transmission </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planifiées</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Chaque perte est un double-clic sur le paquet ou l&apos;ACK lorsqu&apos;il traverse le milieu du réseau, enregistré comme les vôtres. La même graine perd les mêmes paquets à chaque exécution et avec chaque protocole.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>Diagramme &amp;temps-séquence</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Leçons...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Clavier et souris</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Passer d&apos;une commande du panneau à l&apos;autre, puis dans la zone de transit</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Appuyer sur le bouton actif ou cocher la case active</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Flèches sur un curseur</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Haut pour augmenter les curseurs de fenêtre et de séquence ; Droite pour un délai d&apos;attente plus long</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Flèches dans la zone de transit</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Choisir un paquet ou un ACK en route (il est entouré)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Espace dans la zone de transit</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Retenir celui qui est choisi, ou le laisser repartir</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Suppr dans la zone de transit</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Perdre celui qui est choisi</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>Sur le graphique : la molette zoome, la barre de défilement en dessous parcourt l&apos;exécution, un clic place le curseur sur un top, un double-clic (ou &lt;i&gt;Revenir au curseur&lt;/i&gt;) y ramène. Sélectionner une ligne du journal place le curseur sur son top.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;Un protocole de transport à fenêtre glissante avec contrôle de congestion, animé sur une horloge de 50 ms : démarrage lent, évitement de congestion, retransmission et récupération rapides, répétition sélective, ACK retardés et un délai d&apos;attente adaptatif.&lt;/p&gt;&lt;p&gt;L&apos;exécution est enregistrée au fur et à mesure : on peut revenir pas à pas, remonter à n&apos;importe quel top antérieur sur le graphique, et l&apos;exporter.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>La fenêtre</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Le graphique</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Le diagramme temps-séquence</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Le tableau des chiffres</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exporter l’image de la comparaison</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Afficher ensemble :</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exporter le polycopié</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>Tops de :</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>quatre tops répartis sur l’intervalle</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>Jusqu’à quatre tops, séparés par des virgules, par exemple 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Fenêtre aux tops :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Ligne de titre : l’exécution, son protocole, ses pertes et ses tops</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Choisissez au moins une vue à afficher.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Fenêtre aux tops : %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Passer (Échap)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Questions par minute :</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Copier le bilan</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Observation de l&apos;exécution pour la prochaine question…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Observez l&apos;exécution : l&apos;événement arrive dans quelques tops.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Passée : l&apos;exécution a donné %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>Pas tout à fait : l&apos;exécution a donné %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 sur %2 justes</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Diagrammes temps-séquence, tops %1 à %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Une case du récepteur : le numéro d&apos;un paquet. Sa couleur (et, avec les marques d&apos;état, sa marque) indique si le récepteur attend ou détient le paquet ; Affichage &gt; Légende les explique.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Un paquet en route vers le récepteur. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>Un ACK en route vers l&apos;émetteur. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>case de l&apos;émetteur</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>case du récepteur</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Délai d&apos;attente</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Taille de la fenêtre d&apos;émission</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Taille de la fenêtre de réception</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Numéro de séquence max.</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>valeur %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>plus grand numéro de séquence %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 paquets</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barre du délai : elle se vide pendant que le paquet attend son ACK ; quand elle est vide, le paquet est réémis.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>La bande de l&apos;émetteur. Le cadre violet est la fenêtre de l&apos;émetteur : les paquets qu&apos;il peut envoyer avant qu&apos;un ACK revienne.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>La bande du récepteur. Le cadre violet est la fenêtre du récepteur : les paquets qu&apos;il accepte.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Les paquets descendent à gauche, les ACK remontent à droite. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;Adresse de la page...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Adresse de la page</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>L&apos;adresse où la page est publiée (https://...) :</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Afficher le lien en code &amp;QR</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Afficher le lien en code QR (indiquez d&apos;abord l&apos;adresse de la page : Affichage &gt; Adresse de la page ou --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>L&apos;adresse de page %1 n&apos;est pas utilisée : ce doit être une adresse web commençant par https:// ou http://, ou une adresse file://.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;Graphique et journal</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;Ouvrir une exécution...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;Enregistrer l&apos;exécution sous...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Exporter le graphique en &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Exporter le graphique en PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Exporter le graphique en S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Exporter le graphique en SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Exporter l&apos;exécution en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Exporter l&apos;exécution en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Exporter l&apos;exécution en ca&amp;pture de paquets...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Capture de paquets côté émetteur (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Capture de paquets côté récepteur (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Exporter l&apos;exécution en capture de paquets</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Ouvrir une exécution</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Exécutions (*.swrun *.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Enregistrer l&apos;exécution sous</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Exécutions (*.swrun);;Exécutions, ancien format (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>Impossible d&apos;ouvrir %1. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>E&amp;xécution</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>Avancer d&apos;un &amp;top</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>Reculer d&apos;un to&amp;p</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Comparer…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protocole</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Réseau</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Pertes…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Aucune perte</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Couleurs adaptées aux daltoniens</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marques d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Légende</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Le programme parlera %1 dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>&amp;Séance en classe…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>Exporter les &amp;réponses de la classe…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Exporter les réponses de la classe</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Maintenant : %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>Copier le &amp;lien vers l’exécution</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>Exporter une &amp;image...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>Exporter les &amp;chiffres en CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Exporter les chiffres en CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>Exporter le &amp;polycopié (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Imp&amp;rimer le polycopié...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exporter l’image de la comparaison</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exporter le polycopié</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>Le polycopié n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Aller au top…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Aller au top</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Top (maintenant %1 ; un top plus tardif est atteint en avançant, un plus ancien en rembobinant) :</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Lien en code QR</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>Code QR du lien vers cette exécution</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Scannez pour ouvrir cette exécution sur un téléphone (%1 caractères).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Copier le lien</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>top (50 ms à 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>paquets</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Évitement de congestion</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>top %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Placer le curseur sur le top %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Revenir au top %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exporter une image…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>Graphique et journal</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>L&apos;exécution que montrent le graphique, le journal et l&apos;export CSV ; chaque Reset commence une nouvelle exécution</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Exécution 1 (en cours)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Suivre l&apos;exécution</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Garder le dernier top au bord droit</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Moins de tops sur le graphique (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Plus de tops sur le graphique (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Toute l&apos;exécution</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Tous les tops jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Revenir au curseur</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Revenir au top sous le curseur et s&apos;y mettre en pause ; ce qui s&apos;est passé ensuite est abandonné (aussi : double-clic sur le graphique)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Exécution %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (en cours)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  curseur : top %1 sur %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  top %1 (cliquez sur le graphique pour placer le curseur sur un top)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Fenêtre d&apos;émission</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Paquets en vol</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Fenêtre de réception</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Retransmission rapide</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Paquet perdu</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK perdu</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Changement d&apos;état</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Rejeté</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Évitement de congestion</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (séq %2)</translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation>ACK %1 dup</translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation>ACK %1</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>expiration</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>retransmission rapide</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>rejet %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>Livrés dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Retransmissions</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Expirations</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Rejetés par le récepteur</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Débit utile (par 100 tops)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Débit utile, 200 derniers tops</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>pas encore envoyé</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>en file d&apos;attente</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>en file d&apos;attente, attend son premier envoi</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>de nouveau en file pour être réémis</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>de nouveau en file, attend d&apos;être réémis</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>en vol</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>en vol (envoyé une fois)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>en vol, retransmis</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>réémis, de nouveau en vol</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>marqué pour une réémission sélective</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>marqué pour être réémis au prochain top (répétition sélective)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>acquitté</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>acquitté : terminé</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>hors de la fenêtre de réception</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>attendu</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>dans la fenêtre, pas encore arrivé</translation>
    </message>
    <message>
        <source>received</source>
        <translation>reçu</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>reçu sous le numéro d&apos;un autre paquet</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>accepté sous le numéro d&apos;un autre paquet (trop peu de numéros de séquence)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ perdu ici</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Un clic sur un paquet ou un ACK en route le retient et un clic sur un paquet retenu le laisse repartir, mais jusqu&apos;à ce que l&apos;horloge ait avancé de sept tops après un tel clic (350 ms à 1×, 91 ms à 4× ; une horloge en pause n&apos;avance pas), tout autre clic sur un paquet ou un ACK perd celui qui est cliqué.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Zone de transit</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>Les flèches choisissent un paquet ou un ACK en route, Espace le retient ou le relâche, Suppr le perd.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Cases de l&apos;émetteur : ce qu&apos;il est advenu de chaque paquet</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barre du délai au-dessus de la case : elle se vide pendant que le paquet attend son ACK ; quand elle est vide, le paquet est réémis.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Cases du récepteur : ce que détient le récepteur</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Fenêtres, paquets et ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Cadre violet : la fenêtre de l&apos;émetteur (en haut) et celle du récepteur (en bas).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Paquet ou ACK entouré : retenu par un clic ; il attend sur place.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Un paquet ou un ACK retenu attend sur place (activez les marques d&apos;état pour l&apos;entourer).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Un paquet ou un ACK supprimé par un clic laisse un instant cette marque (avec les marques d&apos;état). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>paquet %1, numéro de séquence %2, retenu</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>paquet %1, numéro de séquence %2, en route</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK pour le numéro de séquence %1 (paquet %2), envoyé à l&apos;arrivée du paquet %3, retenu</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK pour le numéro de séquence %1 (paquet %2), envoyé à l&apos;arrivée du paquet %3, en route</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, retenu</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, en route</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>paquet, retenu</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>paquet, en route</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Une expiration où Auto RTT allonge le délai</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT est activé et le délai d&apos;attente commence à 4, plus court qu&apos;un aller-retour de 146 tops. Le paquet 1 est perdu au top 15. Au top 93, le minuteur du paquet 0 expire avant que son ACK ait pu revenir (marqueur d&apos;expiration) et Auto RTT double le délai, à 8 ; le paquet 1 expire au top 147 et le délai double encore, à 16. Comme les ACK reviennent à temps, Auto RTT redescend le délai pas à pas : 8 au top 293, 7 au top 304, 6 au top 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>Le délai d&apos;attente de 4 est plus court qu&apos;un aller-retour. Quels paquets seront réémis quand le premier minuteur expirera ?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquet 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>paquet 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>paquets 0 à 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>Le paquet 0 n&apos;était pas perdu : son ACK n&apos;a simplement pas eu le temps de revenir. Son minuteur expire en premier, il est réémis inutilement, et Auto RTT double le délai pour que cela ne se reproduise pas.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Retransmission rapide après trois ACK dupliqués</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Le démarrage lent et la retransmission rapide sont activés, avec le délai à 12 comme le suggère l&apos;option. Le paquet 4 est perdu au top 230. Les paquets qui le suivent renvoient chacun un ACK dupliqué demandant le paquet 4. Le troisième doublon arrive au top 450 : l&apos;émetteur réémet aussitôt le paquet 4, sans attendre son minuteur (marqueur de retransmission rapide), fixe le seuil à la moitié des 6 paquets en vol, 3, et continue d&apos;émettre. Le premier ACK qui n&apos;est pas un doublon met fin à la récupération rapide au top 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>Le troisième ACK dupliqué demandant le paquet 4 est en route. Quels paquets seront réémis ?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paquet 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>paquets 4 à 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paquet 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Trois ACK dupliqués indiquent à l&apos;émetteur qu&apos;un paquet manque et que les suivants sont arrivés : il réémet aussitôt ce seul paquet, sans attendre son minuteur.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>Le premier ACK après la retransmission rapide est en route. Que vaudra SSThresh ?</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Fast retransmit sets the threshold to half the packets in flight, but keeps sending instead of starting again from one packet.</source>
        <translation>La retransmission rapide fixe le seuil à la moitié des paquets en vol, mais continue d&apos;émettre au lieu de repartir d&apos;un seul paquet.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-back-N (manuel) récupère un paquet perdu</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-back-N tel que l&apos;enseignent les manuels : à l&apos;expiration, l&apos;émetteur revient en arrière et réémet chaque paquet non acquitté, et le récepteur ne garde que les paquets dans l&apos;ordre. Le paquet 1 est perdu au top 15 (double-clic). Les paquets 2, 3 et 4 arrivent après le trou et sont rejetés (tops 96, 107 et 220), si bien que chaque ACK continue de demander le paquet 1. Au top 174, le minuteur du paquet 1 expire (marqueur d&apos;expiration) : l&apos;émetteur revient en arrière et remet en file les paquets 1, 2, 3 et 4 (« Going back: retransmitting packet », tops 174 à 176). Ils arrivent dans l&apos;ordre, au top 280 le récepteur demande le paquet 5, et plus rien n&apos;est rejeté ensuite. Une perte coûte une fenêtre de retransmissions, une seule fois.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>Le paquet 1 a été perdu. Un paquet postérieur au trou arrive au récepteur dans l&apos;ordre. Quel paquet le récepteur demandera-t-il ensuite ?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>paquet 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquet 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paquet 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>Le récepteur dans l&apos;ordre rejette un paquet qu&apos;il n&apos;attendait pas et redemande celui qu&apos;il attend : chaque ACK nomme le prochain paquet voulu, ici toujours le paquet 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Émetteur go-back-N avec un récepteur qui garde les paquets hors d&apos;ordre</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>La même perte que dans la leçon go-back-N, mais avec l&apos;émetteur et le récepteur d&apos;origine : l&apos;émetteur ne réémet que le paquet dont le minuteur a expiré, et le récepteur garde les paquets arrivés après un trou. Le paquet 1 est perdu au top 15 ; les paquets 2, 3 et 4 sont gardés. Au top 174, le paquet 1 expire et est réémis, et à son arrivée (top 247) un seul ACK cumulatif demande le paquet 5 : tout jusqu&apos;à 4 est acquitté d&apos;un coup. Seul le paquet perdu a été envoyé deux fois : cet émetteur se comporte presque comme la répétition sélective ; la différence est qu&apos;il lui a fallu une expiration pour apprendre la perte.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>Le minuteur du paquet 1 va expirer. Quels paquets seront réémis ?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>paquets 1 à 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquet 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paquet 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>L&apos;émetteur d&apos;origine ne réémet que le paquet dont le minuteur a expiré. Le récepteur a gardé les paquets 2 à 4 ; à l&apos;arrivée du paquet 1, un seul ACK cumulatif les couvre tous.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>Un ACK perdu couvert par l&apos;ACK cumulatif suivant</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>Au top 80, l&apos;ACK demandant le paquet 1 est perdu (double-clic dessus ; marqueur d&apos;ACK perdu). Rien n&apos;est à réémettre : l&apos;ACK suivant, qui demande le paquet 2, arrive quelques tops plus tard et acquitte ensemble les paquets 0 et 1, car chaque ACK nomme le prochain paquet que veut le récepteur. Aucune expiration de toute l&apos;exécution.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>L&apos;ACK demandant le paquet 1 a été perdu. Que fera l&apos;émetteur du paquet 0 ?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Réémettre le paquet 0 quand son minuteur expirera</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Rien : l&apos;ACK suivant l&apos;acquitte aussi</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Réémettre aussitôt les paquets 0 et 1</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Chaque ACK nomme le prochain paquet que veut le récepteur ; l&apos;ACK qui demande le paquet 2 acquitte donc ensemble les paquets 0 et 1 : un ACK perdu ne coûte rien si un autre suit à temps.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>Un paquet à la fois contre une fenêtre de huit</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>La fenêtre d&apos;émission commence à un paquet : l&apos;émetteur met le paquet 0 sur la ligne et attend son ACK pendant 146 tops avant que le paquet 1 puisse partir ; la ligne reste donc inoccupée la plupart du temps. Au top 350, le curseur Taille de la fenêtre d&apos;émission passe à 8 et l&apos;émetteur remplit le tuyau : huit paquets voyagent à la fois, et autant d&apos;ACK reviennent aussi vite que possible. Comparez où en est la bande de l&apos;émetteur au top 350 et au top 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>Le curseur Taille de la fenêtre d&apos;émission passe de 1 à 8 au top 350. Combien de paquets voyageront à la fois peu après ?</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>The transmit window is the number of packets that may be sent and not yet acknowledged. At 8 the sender puts eight packets on the wire without waiting, so the line is busy instead of idle.</source>
        <translation>La fenêtre d&apos;émission est le nombre de paquets qui peuvent être envoyés sans être encore acquittés. À 8, l&apos;émetteur met huit paquets sur la ligne sans attendre : la ligne est occupée au lieu d&apos;être inactive.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Mêmes pertes, trois protocoles</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Trois protocoles s&apos;exécutent côte à côte avec une même horloge, et le réseau perd 5 % des paquets de chacun, tirés avec la graine 7 : qu&apos;un paquet soit perdu ne dépend que de son numéro et du rang de sa transmission, si bien que les mêmes paquets sont perdus dans les trois. Les paquets 9, 15 et 18 sont perdus avec chaque protocole ; go-back-N et la répétition sélective perdent 9 au top 195 et 15 au top 261, stop-and-wait n&apos;atteint le paquet 9 qu&apos;au top 1352. Stop-and-wait a un seul paquet en vol : chaque paquet coûte un aller-retour entier et une perte un délai d&apos;attente entier. Go-back-N en envoie huit à la fois, mais après une expiration il réémet toute la fenêtre et son récepteur dans l&apos;ordre rejette ce qui est arrivé après le trou ; ces réémissions sont tirées à nouveau, si bien que certaines sont perdues elles aussi (la deuxième transmission du paquet 16, au top 434). La répétition sélective ne réémet que le paquet perdu et garde le reste. Observez les marqueurs d&apos;expiration et les couleurs des réémissions dans chaque fenêtre, ainsi que le tableau des chiffres.

Au top 3000 (débit utile : paquets livrés dans l&apos;ordre par 100 tops) : Stop-and-wait : 18 livrés, 2 retransmissions, débit utile 0,6. Go-back-N (manuel) : 92 livrés, 80 retransmissions, débit utile 3,1. Répétition sélective : 115 livrés, 8 retransmissions, débit utile 3,8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>Le paquet 9 a été perdu au top 1352 et son minuteur expire maintenant. Que réémet l&apos;émetteur stop-and-wait ?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>paquet 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>paquets 9 à 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>paquet 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>Stop-and-wait n&apos;a jamais plus d&apos;un paquet en vol : une expiration lui coûte une seule réémission, mais l&apos;attente de tout un délai. Go-back-N a perdu le même paquet 9 au top 195 et a réémis les paquets 9 à 16 à partir du top 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (manuel)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Répétition sélective</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>La même perte avec la répétition sélective</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>La répétition sélective est activée. Le paquet 1 est perdu au top 15. L&apos;émetteur continue d&apos;émettre pendant que le récepteur garde les paquets à partir de 2. Au top 169, l&apos;émetteur passe à l&apos;état Selective, et au top 180 le minuteur du paquet 1 expire et seul le paquet 1 est réémis (marqueur d&apos;expiration). Quand son ACK revient, la fenêtre se rouvre complètement (retour à Normal au top 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>Le paquet 1 réémis atteint le récepteur, qui détient les paquets à partir de 2. Quel paquet le récepteur demandera-t-il ensuite ?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paquet 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>paquet 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>paquet 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>L&apos;arrivée comble le trou : le récepteur accepte le paquet 1 et tout ce qu&apos;il détenait après lui, et son ACK demande le premier paquet qu&apos;il n&apos;a pas.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Démarrage lent jusqu&apos;au seuil, puis évitement de congestion</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Le démarrage lent et l&apos;évitement de congestion sont activés, la fenêtre de réception est de 16. La fenêtre commence à 2 et croît d&apos;un paquet par ACK : 4 au top 158, 8 au top 326. Le paquet 6 est perdu au top 330 ; son expiration au top 455, avec 8 paquets en vol, fixe le seuil à leur moitié, 4, et ramène la fenêtre à 1. Le démarrage lent la remonte jusqu&apos;au seuil (4 au top 904) ; ensuite l&apos;évitement de congestion n&apos;ajoute qu&apos;une fraction de paquet par ACK (4,25 au top 1039) : regardez la pente changer sur le graphique. La règle des manuels fait croître la fenêtre d&apos;environ un paquet par aller-retour ; ici la fenêtre saute au paquet entier suivant dès qu&apos;elle s&apos;y arrondit, comme dans le programme d&apos;origine (5 au top 1061, 8 au top 1375), ce qui fait environ 1,4 paquet par aller-retour de 146 tops.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>En démarrage lent, la fenêtre croît d&apos;un paquet par ACK. Le prochain ACK arrive bientôt. Que vaudra la taille de la fenêtre d&apos;émission ?</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>Slow start adds one packet to the window for each ACK while the window is below SSThresh, so it doubles every round trip.</source>
        <translation>Le démarrage lent ajoute un paquet à la fenêtre pour chaque ACK tant que la fenêtre est sous SSThresh : elle double donc à chaque aller-retour.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>Le paquet 6 a été perdu et son minuteur va expirer avec 8 paquets en vol. Que vaudra SSThresh ?</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>On a timeout SSThresh becomes half the packets in flight, and the window drops to one packet: slow start then climbs back to the threshold.</source>
        <translation>À l&apos;expiration, SSThresh devient la moitié des paquets en vol et la fenêtre retombe à un paquet : le démarrage lent remonte ensuite jusqu&apos;au seuil.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Un espace de numéros de séquence trop petit pour la fenêtre</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>Le plus grand numéro de séquence est 3 : il n&apos;y a donc que quatre numéros de séquence, mais les fenêtres font six paquets. Les paquets 0 et 4 portent tous deux le numéro de séquence 0, les paquets 1 et 5 tous deux le 1. Le paquet 1 est perdu au top 15 ; les ACK qui reviennent ne peuvent pas dire de quel paquet ils parlent. Le paquet 1 expire au top 174 et est réémis, et au top 320 l&apos;émetteur réémet le paquet 3, que le récepteur avait déjà : il a attribué un ACK au mauvais paquet. L&apos;espace des numéros de séquence doit faire au moins le double de la fenêtre pour éviter cela.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>Le paquet 1 a été perdu et son minuteur va expirer. Quels paquets seront réémis ?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquet 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paquet 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>paquets 1 à 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>Le minuteur appartient au paquet 1, donc le paquet 1 est réémis. Mais le paquet 5 porte le même numéro de séquence, 1 : avec seulement quatre numéros pour une fenêtre de six, les ACK ne peuvent pas les distinguer.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe contre Reno : une perte, deux réponses à trois ACK dupliqués</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>Un TCP de type Tahoe et un TCP de type Reno côte à côte avec une même horloge, avec les mêmes réglages hormis la règle de Tahoe, et la même perte planifiée (p10) : le paquet 10 est perdu au top 374 dans les deux, alors que la fenêtre est de 8 et croît encore. Les paquets qui le suivent continuent d&apos;arriver et renvoient chacun un ACK dupliqué demandant le paquet 10, et le troisième arrive au top 516 dans les deux (marqueur de retransmission rapide), avec une fenêtre de 12 et 11 paquets en vol. Les deux réémettent aussitôt le paquet 10 et fixent SSThresh à la moitié des paquets en vol, 5,5. Ici leurs chemins se séparent.

Tahoe repart d&apos;une fenêtre de 1, en démarrage lent, et les doublons suivants ne changent rien. L&apos;ACK de la réémission lui parvient au top 662 et demande le paquet 21 : le récepteur avait gardé tous les paquets derrière celui qui était perdu, si bien que l&apos;émetteur go-back-N n&apos;a plus rien à réémettre. Sa fenêtre remonte à partir de là : 2 au top 662, 4 au top 819, 6 au top 965.

Reno divise la fenêtre par deux et ajoute trois pour les paquets qui ont quitté le réseau (9 au top 516), la gonfle d&apos;un pour chaque doublon suivant (16 au top 651) et continue d&apos;émettre ; le premier nouvel ACK met fin à la récupération rapide au top 673, la fenêtre revenant au seuil, arrondi à 5 paquets entiers. Les deux tournent avec le délai de 12 que fixe la retransmission rapide, et aucun n&apos;expire : la différence tient à la seule retransmission rapide.

Au top 1500 (débit utile : paquets livrés dans l&apos;ordre par 100 tops) : TCP de type Tahoe : 54 livrés, 1 retransmission, débit utile 3,6. TCP de type Reno : 71 livrés, 1 retransmission, débit utile 4,7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP de type Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>Le troisième ACK dupliqué demandant le paquet 10 est en route vers l&apos;émetteur de type Tahoe, dont la fenêtre est de 12. Que vaudra sa taille de fenêtre d&apos;émission ?</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Tahoe&apos;s rule resends the missing packet and starts slow start again from a window of one packet. Reno, beside it, halves the window and adds three, 9, and recovers without stopping.</source>
        <translation>La règle de Tahoe réémet le paquet manquant et relance le démarrage lent à partir d&apos;une fenêtre d&apos;un paquet. Reno, à côté, divise la fenêtre par deux et ajoute trois, 9, et récupère sans s&apos;arrêter.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP de type Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>Il n&apos;existe pas de leçon appelée « %1 ».</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>%1=%2 ignoré dans le lien (%3) ; le réglage de départ est conservé.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Paramètre inconnu « %1 » ignoré dans le lien.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>%1=%2 ignoré dans le lien : la leçon apporte ses propres réglages.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>lesson=%1 ignoré dans le lien. %2 Les leçons sont %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>les protocoles sont %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>toutes les options ne peuvent pas être réglées ainsi</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>les options sont slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>utilisez 1 ou 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>la case ne peut pas être modifiée maintenant</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>utilisez un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>les langues sont %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>utilisez 0.25, 0.5, 1, 2 ou 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>Et %1 autre paramètre du lien ignoré.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>Et %1 autres paramètres du lien ignorés.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Cette exécution donne un lien de %1 caractères, trop long pour la barre d&apos;adresse d&apos;un navigateur (%2 au plus) : enregistrez-la comme fichier d&apos;exécution et partagez plutôt le fichier.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>Le lien vers cette exécution compte %1 caractères, plus que ne peut en contenir un code QR (%2) : partagez plutôt le lien lui-même ou le fichier d&apos;exécution.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>L&apos;exécution de ce lien ne peut pas être ouverte. Le lien est endommagé : une partie a peut-être été coupée lors de la copie. Copiez de nouveau le lien entier.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>L&apos;exécution de ce lien ne peut pas être ouverte. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>le code au projecteur donne le lien complet</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>paquet %1 rejeté : hors d&apos;ordre</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1 : l&apos;horloge est en pause ; Cont continue en exécution libre</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Votre propre action au top %1 : la suite de l&apos;exécution enregistrée est abandonnée et cette exécution continue comme nouvelle branche</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Fichier d&apos;exécution ouvert (%1 tops) : il se rejoue tel qu&apos;enregistré pendant que l&apos;horloge tourne ; une action de votre part crée une branche</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>« %2 » ouvert (%1 tops) : il se rejoue tel qu&apos;enregistré pendant que l&apos;horloge tourne ; une action de votre part crée une branche</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Exécution %1 retirée de l&apos;enregistrement pour rester dans le budget mémoire (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Tops %1 à %2 de cette exécution abandonnés pour rester dans le budget mémoire (%3) : les retours en arrière remontent désormais jusqu&apos;au top %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>paquet %1 perdu</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK demandant le numéro de séquence %1 perdu</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>paquet %1 retenu</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK demandant le numéro de séquence %1 retenu</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>paquet %1 relâché</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK demandant le numéro de séquence %1 relâché</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>délai d&apos;attente réglé à %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>fenêtre d&apos;émission réglée à %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>fenêtre de réception réglée à %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>plus grand numéro de séquence réglé à %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>%1 appuyé</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 désactivé</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>Un plan contient au plus %1 pertes.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>La perte planifiée « %1 » n&apos;est pas p ou a suivi d&apos;un numéro de paquet, comme p5, p7.2 ou a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paquet %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>l&apos;ACK du paquet %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>paquet %1 (transmission %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>l&apos;ACK du paquet %1 (transmission %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Aucune perte</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % des paquets, %2 % des ACK</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % des paquets</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % des ACK</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Pertes : %1 planifiées</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Pertes : %1 (graine %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Pertes : %1 (graine %2), %3 planifiées</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Perdu par un clic : %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Démo de fenêtre glissante de Quill</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>La démo de fenêtre glissante de Quill a besoin de JavaScript : veuillez autoriser les scripts pour cette page.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Les commandes de la fenêtre à la taille du doigt</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Commandes d&apos;exécution, graphique et journal</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Reculer d&apos;un top (Ctrl+Gauche)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Reculer</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Avancer d&apos;un top ; met d&apos;abord en pause une horloge qui tourne (Ctrl+Droite)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Avancer ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>Protocole : personnalisé</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Couleurs adaptées aux daltoniens</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marques d&apos;état</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Ouvrir un fichier d&apos;exécution enregistré ; vous pouvez aussi le déposer sur la page</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Ouvrir une exécution…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Télécharger cette exécution comme fichier d&apos;exécution</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Enregistrer l&apos;exécution</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Télécharger cette exécution comme capture de paquets (.pcap) pour Wireshark, vue côté émetteur</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Enregistrer la capture</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Ouvrir une leçon intégrée</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Leçons…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Paquets et ACK que perd le réseau : au hasard ou planifiés</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Réseau…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Exécuter deux ou trois protocoles côte à côte avec les mêmes pertes</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Comparer…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Copier un lien qui ouvre la page avec ces réglages</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Lien vers ces réglages</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Fenêtre d&apos;émission, seuil, paquets en vol et fenêtre de réception en fonction du top</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Revenir au curseur</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Chiffres de cette exécution</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Émetteur</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagramme temps-séquence</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>Du top</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Télécharger ces tops du diagramme comme dessin SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Enregistrer le diagramme (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Diagramme temps-séquence de l&apos;exécution : émetteur à gauche, récepteur à droite, le temps vers le bas</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Retour à la fenêtre unique</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Une fenêtre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Les faire tous reculer d&apos;un top (Ctrl+Gauche)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Les faire tous avancer d&apos;un top (Ctrl+Droite)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Télécharger la comparaison comme un seul fichier d&apos;exécution</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Enregistrer la comparaison</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Copier un lien qui ouvre la page avec cette comparaison</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Lien vers cette comparaison</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Fenêtre d&apos;émission (trait épais) et débit utile (trait fin) de chaque configuration en fonction du top</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Chiffres de chaque configuration</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Un paquet ou un ACK perdu est retiré à mi-chemin, comme le ferait un double-clic dessus. La même graine perd les mêmes paquets avec chaque protocole.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Paquets perdus</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>ACK perdus</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Pertes planifiées</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>Ce qui est perdu</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>L&apos;ACK du paquet</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Numéro du paquet</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>transmission</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>Côte à côte avec une même horloge, avec les pertes réglées sous Réseau.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Top %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Entraînement : activé</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Score : %1 sur %2 justes</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Bilan copié</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Code QR</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Scannez pour ouvrir cette exécution (%1 caractères).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Lien copié</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Copiez le lien ci-contre</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Rembobiner jusqu’à un top, ou avancer jusqu’à un top plus tardif, et s’y mettre en pause (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Aller au top…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Télécharger une vue de cette exécution comme image pour une diapositive, ou ses chiffres en CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Télécharger une image…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Télécharger les fenêtres, diagrammes, graphique et tableau de la comparaison en une image, ou ses chiffres en CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Télécharger une image</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>La fenêtre</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Le graphique</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Le diagramme temps-séquence</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Le tableau des chiffres</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Afficher ensemble</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>Les fenêtres</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Les diagrammes temps-séquence</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Les chiffres en CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Ligne de titre</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Cochez au moins une vue à mettre dans l’image.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>Le navigateur n’a pas pu dessiner une image aussi grande : essayez une largeur et une hauteur plus petites.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Diagrammes temps-séquence</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Diagramme temps-séquence de %1 : émetteur à gauche, récepteur à droite, le temps vers le bas</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Question retirée : l&apos;exécution a changé avant l&apos;événement qu&apos;elle concernait.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Entraînement à la fenêtre glissante : %1 réponses justes sur %2.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Entraînement à la fenêtre glissante : %1 réponses justes sur %2, %3 passées, %4 retirées.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Entraînement à la fenêtre glissante : %1 réponses justes sur %2, %3 passées.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Entraînement à la fenêtre glissante : %1 réponses justes sur %2, %4 retirées.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Retirée : l&apos;exécution a été modifiée avant l&apos;événement.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Passée.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>L&apos;exécution a donné : %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Réponse : %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Faux : l&apos;exécution a donné %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paquet %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>aucun paquet</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>paquets %1 à %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>paquets %1 et %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>fixe SSThresh à la moitié des paquets en vol (%1 paquet en vol), jamais moins de 2 paquets</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>fixe SSThresh à la moitié des paquets en vol (%1 paquets en vol), jamais moins de 2 paquets</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>fixe SSThresh à la fenêtre d&apos;émission (%1 paquet ; avec l&apos;évitement de congestion, il prendrait la moitié des paquets en vol), jamais moins de 2 paquets</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>fixe SSThresh à la fenêtre d&apos;émission (%1 paquets ; avec l&apos;évitement de congestion, il prendrait la moitié des paquets en vol), jamais moins de 2 paquets</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>L&apos;émetteur go-back-N revient alors en arrière : chaque paquet ultérieur non encore acquitté est remis en file, le plus ancien d&apos;abord, un par top selon ce que permet la fenêtre, que le démarrage lent rouvre à partir d&apos;un paquet ; un ACK qui couvre des paquets gardés par le récepteur les épargne.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>L&apos;émetteur go-back-N revient alors en arrière : chaque paquet ultérieur non encore acquitté est remis en file, le plus ancien d&apos;abord, un par top tant qu&apos;ils tiennent dans la fenêtre.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Aucun nouveau paquet ne part avant la fin du tour.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Aucun nouveau paquet ne part avant la fin du tour : ici seul le paquet %1 est réémis, car son ACK couvre les paquets qui le suivent, que le récepteur a gardés.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Aucun nouveau paquet ne part avant la fin du tour : ici il réémet %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Expiration du délai de retransmission.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>Le minuteur du paquet %1 a expiré avant qu&apos;un ACK le couvre : l&apos;émetteur le considère comme perdu.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>garde le SSThresh fixé par la retransmission rapide (jamais moins de 2 paquets)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>Il %1, passe à l&apos;état TimedOut, ramène la fenêtre d&apos;émission à un paquet (le démarrage lent recommence) et remet %2 en file.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>Il %1, passe à l&apos;état TimedOut et remet %2 en file.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>Avec la répétition sélective, les autres paquets gardent leurs minuteurs : seul ce qui a expiré est réémis.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Cet émetteur, comme celui du programme d&apos;origine, ne revient pas en arrière tout de suite : les minuteurs des paquets suivants s&apos;arrêtent, et chacun n&apos;est réémis que lorsqu&apos;il est devenu le plus ancien paquet non acquitté, un aller-retour chacun.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Un émetteur go-back-N de manuel les réémettrait tous maintenant (l&apos;option « Sender resends the whole window on a timeout »).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Retransmission rapide selon la règle de Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Retransmission rapide.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Trois ACK dupliqués d&apos;affilée indiquent à l&apos;émetteur que le paquet %1 manque alors que des paquets suivants arrivent encore.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Sans attendre son minuteur, l&apos;émetteur réémet le paquet %1 et fixe SSThresh à la moitié des paquets en vol (%2 paquet en vol, jamais moins de 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Sans attendre son minuteur, l&apos;émetteur réémet le paquet %1 et fixe SSThresh à la moitié des paquets en vol (%2 paquets en vol, jamais moins de 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Comme TCP Tahoe, il ramène la fenêtre d&apos;émission à un paquet et relance le démarrage lent : il n&apos;y a pas de récupération rapide, et les ACK dupliqués suivants ne changent rien.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Il fixe la fenêtre d&apos;émission à la moitié de la fenêtre plus trois paquets, pour les trois qui ont quitté le réseau (ici %1, jamais au-delà de la fenêtre du récepteur), et passe à l&apos;état FastRetransmit ; chaque ACK dupliqué suivant gonfle la fenêtre d&apos;un paquet jusqu&apos;à ce qu&apos;un nouvel ACK mette fin à la récupération rapide.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Les manuels (RFC 5681) partent du nouveau SSThresh plus trois, %1 ici aussi : ce modèle divise la fenêtre par deux, comme le programme d&apos;origine, ce qui diffère chaque fois que la fenêtre et les paquets en vol diffèrent.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Les manuels (RFC 5681) partent du nouveau SSThresh plus trois, ici %1 : ce modèle divise la fenêtre par deux, comme le programme d&apos;origine, ce qui diffère chaque fois que la fenêtre et les paquets en vol diffèrent.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Récupération rapide : chaque ACK dupliqué supplémentaire signifie qu&apos;un autre paquet a quitté le réseau ; la fenêtre d&apos;émission est donc gonflée d&apos;un paquet.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>Un nouvel ACK met fin à la récupération rapide : la fenêtre d&apos;émission revient à SSThresh (%1 paquets).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>Après une expiration, chaque nouvel ACK fixe la fenêtre d&apos;émission à la fenêtre de perte d&apos;un paquet, jusqu&apos;à ce que le paquet réémis lui-même soit acquitté et que le démarrage lent prenne le relais.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Évitement de congestion : à partir de SSThresh, chaque nouvel ACK ajoute un paquet divisé par la fenêtre en paquets, ce qui, dans les manuels, fait croître la fenêtre d&apos;environ un paquet par aller-retour.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Ce modèle, comme le programme d&apos;origine, arrondit la fenêtre au paquet entier dès qu&apos;elle s&apos;arrondit au suivant, ce qui ajoute d&apos;un coup le reste de ce paquet : la fenêtre croît plus vite qu&apos;un paquet par aller-retour.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Démarrage lent : chaque nouvel ACK agrandit la fenêtre d&apos;émission d&apos;un paquet, quel que soit le nombre de paquets qu&apos;il acquitte ; la fenêtre double ainsi à chaque aller-retour jusqu&apos;à atteindre SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Démarrage lent : chaque nouvel ACK agrandit la fenêtre d&apos;émission d&apos;un paquet, quel que soit le nombre de paquets qu&apos;il acquitte ; la fenêtre double ainsi à chaque aller-retour.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Répétition sélective sans démarrage lent : chaque ACK dupliqué ouvre la fenêtre d&apos;émission d&apos;un paquet pendant que les trous sont réémis.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Répétition sélective sans démarrage lent : le premier nouvel ACK après les doublons rétablit la plus petite fenêtre vue pendant leur arrivée.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>La fenêtre d&apos;émission ne dépasse jamais la fenêtre du récepteur (taille de la fenêtre de réception).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>la case du paquet %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>aucune : il est rejeté</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>Le paquet %1 (numéro de séquence %2) atteint le récepteur dans %3 top.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>Le paquet %1 (numéro de séquence %2) atteint le récepteur dans %3 tops.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Un ACK demandant le paquet %1 atteint l&apos;émetteur dans %2 top.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Un ACK demandant le paquet %1 atteint l&apos;émetteur dans %2 tops.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>Quel paquet le récepteur demandera-t-il ensuite ?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>Que vaudra la taille de la fenêtre d&apos;émission ?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>Le minuteur du paquet %1 expire dans %2 top.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>Le minuteur du paquet %1 expire dans %2 tops.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Le troisième ACK dupliqué demandant le paquet %1 atteint l&apos;émetteur dans %2 top.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Le troisième ACK dupliqué demandant le paquet %1 atteint l&apos;émetteur dans %2 tops.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>Que vaudra SSThresh ?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>Quels paquets l&apos;émetteur réémettra-t-il avant d&apos;en envoyer un nouveau ?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>Quels paquets l&apos;émetteur remettra-t-il en file à ce moment-là ?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Récepteur dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Ce récepteur ne garde que le paquet qu&apos;il attend ensuite, le paquet %1 (numéro de séquence %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>Le paquet %1 est rejeté, et le récepteur répond aussitôt par un ACK qui redemande le paquet %2 : un ACK nomme toujours le prochain paquet attendu, jamais celui qui est arrivé.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>L&apos;émetteur devra réémettre chaque paquet suivant.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>Quelle case de la bande du récepteur l&apos;accueillera ?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Repliement des numéros de séquence.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>Le récepteur ne connaît un paquet que par son numéro de séquence, le numéro du paquet Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>Le paquet %1 porte le numéro de séquence %2, tout comme le paquet %3 dans la fenêtre de réception ; le récepteur l&apos;accepte donc comme ce paquet-là : la case devient rouge foncé.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>L&apos;espace des numéros de séquence (numéro de séquence max.) est trop petit pour les fenêtres ; il doit contenir ensemble la fenêtre de l&apos;émetteur et celle du récepteur.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Acquittement cumulatif.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>Le paquet %1 est celui qu&apos;attendait le récepteur, et les paquets suivants étaient déjà arrivés et avaient été gardés.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Son arrivée complète la suite : la fenêtre de réception glisse au-delà de tous, et l&apos;ACK demande le paquet %1, le premier paquet qui manque encore, et non le paquet %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>À quel paquet commencera la fenêtre de l&apos;émetteur ?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>Un ACK nomme le prochain paquet qu&apos;attend le récepteur : il acquitte donc chaque paquet qui le précède.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>L&apos;émetteur les noircit, arrête leurs minuteurs et fait glisser sa fenêtre jusqu&apos;au plus ancien paquet encore non acquitté, le paquet %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>« %1 » n&apos;est pas un protocole ; les protocoles sont %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Une comparaison exécute deux ou trois protocoles, pas %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (manuel)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Répétition sélective</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP de type Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP de type Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personnalisé</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>Le récepteur garde les paquets hors d&apos;ordre</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Retransmission rapide façon Tahoe : retour à un paquet</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Retransmission rapide façon Reno : récupération rapide</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>texte</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Le champ %1 manque.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>Le champ %1 devrait être un objet, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>Le champ %1 vaut %2, hors de %3 à %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>Le champ %1 devrait être un nombre entier écrit sans virgule décimale ni exposant, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>Le champ %1 devrait être un nombre entier, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>Le champ %1 devrait être du texte, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>Le champ %1 devrait être true ou false, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>Le champ %1 ne nomme aucun %2 que ce programme connaisse : %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <translation>%1,%2 Mo</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>The file is %1, larger than a run file may be (%2).</source>
        <translation>Le fichier fait %1, plus qu&apos;un fichier d&apos;exécution ne peut faire (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>L&apos;exécution de ce lien ne peut pas être ouverte. Elle est plus grande qu&apos;un fichier d&apos;exécution ne peut l&apos;être (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>Le champ %1 devrait être un chiffre tel que « 4 », pas %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>action</translation>
    </message>
    <message>
        <source>option</source>
        <translation>option</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>curseur</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>L&apos;entrée %1 devrait être un objet, pas %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>type de question</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>Le champ %1 est vide.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>Le champ %1 devrait être une liste de deux à quatre textes.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>L&apos;entrée %1 devrait être du texte, pas %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>L&apos;entrée %1 est vide ou identique à un choix précédent.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>Le champ %1 devrait être une liste, pas %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>Le champ %1 vaut %2, avant le top de l&apos;action précédente (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>Le champ %1 vaut %2, après le dernier top de l&apos;exécution (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>Le champ %1 devrait être une liste d&apos;au plus %2 pertes planifiées.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>L&apos;entrée %1 devrait être une perte planifiée telle que « p5 », « p7.2 » ou « a9 ».</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>Le fichier contient du JSON mais pas une exécution : son niveau supérieur est %1, pas un objet.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>Le fichier n&apos;est pas un fichier d&apos;exécution : son champ %1 n&apos;est pas %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>Le fichier est au format version %1, plus récent que ce que lit ce programme (%2) ; une version plus récente du programme l&apos;ouvre.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>Le champ %1 devrait être une liste d&apos;une ou deux exécutions.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>Le champ %1 devrait être une liste d&apos;au plus %2 questions.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>Le champ %1 est avant le top de la question précédente.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>Le fichier contient un objet de plus de %1 champs ; ceux d&apos;un fichier d&apos;exécution en ont une douzaine au plus.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>Le fichier imbrique ses listes et objets sur plus de %1 niveaux ; un fichier d&apos;exécution en demande trois.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>Le fichier contient plus de valeurs qu&apos;un fichier d&apos;exécution de %1 Mo ne peut en avoir.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>Le fichier contient un octet NUL en %1 : un fichier d&apos;exécution est du texte brut.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8 : un octet mal formé se trouve en %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>Le fichier n&apos;est pas du JSON valide : quelque chose d&apos;inattendu se trouve en %1.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>Le fichier se termine trop tôt, en %1 : il est tronqué.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>Le fichier a encore du contenu après sa fin, en %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>Le fichier n&apos;est pas du JSON valide.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>Le fichier contient une valeur du mauvais type.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>Impossible d&apos;ouvrir %1 : ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>Impossible d&apos;ouvrir %1 : c&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>Impossible d&apos;ouvrir %1 : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>Impossible d&apos;ouvrir %1 : il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Cette exécution est trop longue pour être enregistrée : ses %1 premiers tops ont été abandonnés pour rester dans le budget mémoire.</translation>
    </message>
</context>
<context>
    <name>simulation</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>Cont</translation>
    </message>
    <message>
        <source>Slow Start</source>
        <translation>Démarrage lent</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Évitement de congestion</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>Retransmission rapide</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>Répétition sélective</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>ACK retardés</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>Numéros glissants</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Taille de la fenêtre d&apos;émission</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Paquets en vol actuels</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>ACK dupliqués</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Taille de la fenêtre de réception</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Délai d&apos;attente</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>Délai d&apos;attente</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Numéro de séquence max.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>SlowStart</source>
        <translation>SlowStart</translation>
    </message>
    <message>
        <source>TimedOut</source>
        <translation>TimedOut</translation>
    </message>
    <message>
        <source>FastRetransmit</source>
        <translation>FastRetransmit</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>Selective</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Paquet X : numéro de séquence X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK de X : envoyé après l&apos;arrivée du paquet X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Paquet %1 : numéro de séquence %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK num. séq. %1 (paquet %2) : paquet %3 arrivé</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>Appuyez sur « Start » pour commencer...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>En attente de l&apos;ACK de numéro de séquence %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>En attente d&apos;un ACK de numéro de séquence entre %1 et %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>En attente du paquet %1 de numéro de séquence %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Fenêtre d&apos;émission à %1, seulement %2 en vol : envoi du paquet %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Envoi de l&apos;ACK du paquet %1 (numéro de séquence %2) demandant le paquet de numéro de séquence %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> %1 ACK dupliqué(s) pour le numéro de séquence %2 arrivé(s)</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>ACK non dupliqué arrivé : sortie de la retransmission rapide.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>Nouvel ACK arrivé : fenêtre portée à %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>Troisième ACK dupliqué arrivé.  Entrée en retransmission rapide et réémission du paquet %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>Troisième ACK dupliqué arrivé.  Tahoe : réémission du paquet %1 et reprise à partir d&apos;une fenêtre d&apos;un paquet</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Réémission du paquet %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Retour en arrière : réémission du paquet %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>Plus de paquets à envoyer</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Fin de la leçon</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Exécution %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Top %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Exécution %1 : %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Exécution %1, options gardées au Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1 : fin de la leçon</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>Le récepteur ne garde que les paquets dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>L&apos;émetteur réémet toute la fenêtre à l&apos;expiration</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>La retransmission rapide relance le démarrage lent (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Cette exécution a utilisé tous les numéros de paquet jusqu&apos;à %1. Appuyez sur Reset pour commencer une nouvelle exécution.</translation>
    </message>
</context>
</TS>
