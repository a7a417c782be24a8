#pragma once
// Every interface text, in the three languages, in the order the store fills them.
// X(label, French, English, Spanish); texts are UTF-8 and kept exactly (blanks included).

#define TV_INTERFACE_TEXTS(X) \
    X(nom_du_joueur, "Nom du joueur", "Name of the player", "Nombre del jugador") \
    X(mot_de_passe, "Mot de passe", "Password", "Contraseña") \
    X(quitter, "Quitter", "Exit", "Salida") \
    X(nouveau_joueur, "Nouveau joueur", "New player", "Nuevo jugador") \
    X(suivant, "Suivant", "Next", "Siguiente") \
    X(valider, "Valider", "Confirm", "Confirmar") \
    X(annuler, "Annuler", "Cancel", "Cancelar") \
    X(indiquez_votre_nom, "Indique ton nom", "Write your name", "Escriba su nombre") \
    X(utiliser_un_mot_de_passe, "Utiliser un mot de passe", "Use a password", "Utilizar una contraseña") \
    X(oui, "Oui", "Yes", "Sí") \
    X(non, "Non", "No", "No") \
    X(bienvenue, "Bienvenue", "Welcome", "Bienvenido") \
    X(nombre_de_joueurs, "1. Nombre de joueurs", "1. Number of players", "1. Número de jugadores") \
    X(nom_du_joueur_1, "Nom du premier joueur", "Name of first player", "Nombre del primer jugador") \
    X(nom_du_joueur_2, "Nom du deuxième joueur", "Name of the second player", "Nombre del segundo jugador") \
    X(utilisation_souris_clavier, "2. Utilisation de la souris ou du clavier", "2. Use the mouse or the keyboard", "2. Utilizar el ratón o el teclado") \
    X(utilisation_souris, "Utilisation de la souris", "Use the mouse", "Utilizar el ratón") \
    X(utilisation_clavier, "Utilisation du clavier", "Use the keyboard", "Utilizar el teclado") \
    X(utilisation_midi, "Utilisation d'un  instrument MIDI", "Use a MIDI instrument", "Utilizar un instrumento MIDI") \
    X(Label_port, "Avant de jouer, vous devez choisir le port relié à votre instrument MIDI", "Before playing, you must choose the port connected to your MIDI instrument", "Antes de jugar, deben elegir el puerto conectado a su instrumento MIDI") \
    X(midi_aucun_instrument, "Aucun instrument MIDI n'est branché à l'ordinateur.", "No MIDI instrument is connected to the computer.", "No hay ningún instrumento MIDI conectado al ordenador.") \
    X(midi_aucun_port_choisi, "Tu n'as choisi aucun port MIDI dans la liste.", "You did not choose a MIDI port in the list.", "No elegiste ningún puerto MIDI en la lista.") \
    X(midi_port_disparu, "Le port MIDI choisi n'est plus branché.", "The chosen MIDI port is no longer connected.", "El puerto MIDI elegido ya no está conectado.") \
    X(midi_port_non_ouvert, "Le port MIDI choisi n'a pas pu être ouvert. Il sert peut-être déjà à un autre programme.", "The chosen MIDI port could not be opened. Another program may be using it.", "No se pudo abrir el puerto MIDI elegido. Quizás otro programa lo está usando.") \
    X(midi_jouer_souris, "Tu peux jouer avec la souris, ou cliquer sur Retour puis revenir dans ce jeu pour choisir un port.", "You can play with the mouse, or click on Back and come back to this game to choose a port.", "Puedes jugar con el ratón, o hacer clic sobre Vuelta y volver a este juego para elegir un puerto.") \
    X(choix_du_niveau, "3. Choix du niveau", "3. Choose a level", "3. Escoger un nivel") \
    X(un_ou_deux_joueurs, "1 ou 2 joueurs", "1 or 2 players", "1 o 2 jugadores") \
    X(un_joueur, "1 joueur", "1 player", "1 jugador") \
    X(retour, "Retour", "Back", "Vuelta") \
    X(score, "SCORE", "SCORE", "TANTEO") \
    X(temps_restant, "TEMPS RESTANT", "TIME LEFT", "TIEMPO RESTANTE") \
    X(jouer_rejouer, "Jouer/Rejouer", "Play/Replay", "Juego/Rejuego") \
    X(arreter, "Arrêter", "Stop", "Parar") \
    X(duree_du_jeu, "Durée du jeu", "Time of the game", "Duración del juego") \
    X(bruitages, "Bruitages", "Sound effects", "Efectos sonoros") \
    X(apparence_de_la_note, "Apparence de la note", "Appearance of the note", "Aspecto de la nota") \
    X(fermer, "Fermer", "Close", "Cerrar") \
    X(niveau, "NIVEAU", "LEVEL", "NIVEL") \
    X(secondes, "SECONDES", "SECONDS", "SEGUNDOS") \
    X(changer_utilisateur, "Changer d'utilisateur", "Change the user", "Cambiar el usuario") \
    X(a_propos, "A propos de Tastevolo", "About Tastevolo", "A propósito de Tastevolo") \
    X(corvalent_web, "Corvalent sur le web", "Corvalent on the web", "Corvalent sobre el web") \
    X(aide, "Aide", "Help", "Ayuda") \
    X(recommencer, "Recommencer", "Restart", "Volver a empezar") \
    X(choisir_utilisateur, "Tu dois choisir un nom d'utilisateur", "You must choose a user name", "Ud debe escoger un nombre") \
    X(passe_incorret, "Mot de passe incorrect", "Wrong password", "Contraseña incorrecta") \
    X(Label_conception, "Conception et programmation : Corvalent", "Design and programming: Corvalent", "Diseño y programación: Corvalent") \
    X(Label_copyright, "© 2026 Corvalent. Tous droits réservés.", "© 2026 Corvalent. All rights reserved.", "© 2026 Corvalent. Todos los derechos reservados.") \
    X(Label_version, "Version 2.00", "Version 2.00", "Versión 2.00") \
    X(Label_aide_perdu_1joueur, "Tu n'as pas obtenu 200 points. Clique sur Jouer/Rejouer pour recommencer ou clique sur Retour pour faire un autre jeu.", "You do not obtain 200 points.  Click on Play/Replay to restart or click on Back to do another game.", "Ud no obtuvo 200 puntos. Haga clic sobre Juego/Rejuego para comenzar de nuevo o haga clic sobre Vuelta para hacer uno otro juego.") \
    X(Label_aide_fin_1joueur, "Bravo ! Tu as terminé ce jeu. Clique sur Retour pour faire un autre jeu ou clique sur Jouer/Rejouer pour recommencer ce niveau.", "Congratulations!  You finished this game.  Click on Back to do another game or click on Play/Replay to restart this level.", "¡Ole! Ud terminó este juego. Haga clic sobre Vuelta para hacer otro juego o haga clic sobre Juego/Rejuego para comenzar de nuevo este nivel.") \
    X(Label_aide_suivant, "Tu as obtenu plus de 200 points. Clique sur Suivant pour faire le niveau supérieur ou clique sur Jouer/Rejouer pour recommencer ce niveau.", "You obtain more than 200 points.  Click on Next to do the upper level or click on Play/Replay to restart this level.  ", "Ud obtuvo más de 200 puntos. Haga clic sobre Siguiente para hacer el nivel superior o haga clic sobre Juego/Rejuego para comenzar de nuevo este nivel.") \
    X(Label_aide_fin_2joueurs, "Fin du jeu", "End of the game", "Final del juego") \
    X(Label_directx, "Le son n'a pas pu démarrer. Vérifie la sortie son de l'ordinateur et le fichier piano.sgt.", "The sound could not be started. Check the computer's sound output and the file piano.sgt.", "No se pudo iniciar el sonido. Compruebe la salida de sonido del ordenador y el archivo piano.sgt.") \
    X(score_non_enregistre, "Le score n'a pas pu être enregistré.", "The score could not be saved.", "No se ha podido guardar el tanteo.") \
    X(joueurs_inutilisables, "Le fichier des joueurs JOUEURS.MDB ne peut pas servir. Il n'a pas été modifié ; Tastevolo va s'arrêter.", "The player file JOUEURS.MDB cannot be used. It was left as it was; Tastevolo will stop.", "El archivo de jugadores JOUEURS.MDB no se puede usar. No se ha modificado; Tastevolo se va a cerrar.") \
    X(joueur_non_enregistre, "Les données du joueur n'ont pas été enregistrées.", "The player's data was not saved.", "Los datos del jugador no se han guardado.") \
    X(echec_lecture, "Le fichier ne peut pas être lu.", "The file cannot be read.", "No se puede leer el archivo.") \
    X(echec_ecriture, "Le fichier ne peut pas être écrit.", "The file cannot be written.", "No se puede escribir el archivo.") \
    X(echec_autre_fichier, "Ce fichier n'est pas un fichier de joueurs.", "This is not a player file.", "Este archivo no es un archivo de jugadores.") \
    X(echec_fichier_abime, "Le fichier est abîmé.", "The file is damaged.", "El archivo está dañado.") \
    X(echec_fichier_occupe, "Le fichier est utilisé par un autre programme.", "The file is in use by another program.", "Otro programa está usando el archivo.") \
    X(aide_non_ouverte, "L'aide n'a pas pu être ouverte. Il manque peut-être le fichier aide.chm ou un programme pour le lire.", "The help could not be opened. The file aide.chm or a program to show it may be missing.", "No se ha podido abrir la ayuda. Quizás falta el archivo aide.chm o un programa para mostrarlo.") \
    X(commande_non_ouverte, "Le bon de commande n'a pas pu être ouvert. Il manque peut-être la page ou un navigateur web.", "The order form could not be opened. The page or a web browser may be missing.", "No se ha podido abrir el formulario de pedido. Quizás falta la página o un navegador web.") \
    X(site_non_ouvert, "Le site de Corvalent n'a pas pu être ouvert. Le navigateur web manque peut-être ou n'a pas pu démarrer.", "The Corvalent web site could not be opened. The web browser may be missing or could not start.", "No se ha podido abrir el sitio web de Corvalent. Quizás falta el navegador web o no ha podido arrancar.") \

