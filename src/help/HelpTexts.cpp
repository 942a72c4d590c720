#include "help/HelpTexts.h"

// The texts are kept line by line as they appear in the window: every line
// ends in "\r\n" except the last, so the text control shows no empty line at
// the end. Lines stay near the 96 character widths of the text control.

namespace sk {

namespace {

const char* const kUserAndPasswordText =
    "Benutzername und Passwort\r\n"
    "\r\n"
    "Die Eingabe eines Benutzers ist für Arbeitsplätze mit mehreren Anwendern gedacht. Die\r\n"
    "Einstellungen, Notizen und Markierungen werden nach dem Anmelden unter diesen Namen gesondert\r\n"
    "abgespeichert.\r\n"
    "\r\n"
    "Wird ein Passwort eingegeben, wird dieses verwendet um die Notizen damit zu verschlüsseln.\r\n"
    "Ansonsten bietet ein Passwort keinen Schutz für die persönlichen Einstellungen und Eintragungen.\r\n"
    "Das Passwort wird nicht abgespeichert. Es erfolgt keine Überprüfung bei der Eingabe. Es ist\r\n"
    "dementsprechend Vorsicht geboten um die eingegebenen Notizen lesbar zur erhalten.";

const char* const kProgramMenuText =
    "Kalender\r\n"
    "Wahl der Art des Schichtkalenders. Zur Wahl stehen die acht Kalender Haldenau PM 1, Haldenau Werk,\r\n"
    "Haldenau Standard, Haldenau Zweischicht, PM 1 mit 2er Block, Werk mit 2er Block, Velmo Kessbach und\r\n"
    "Olmer Karton. Im Hauptfenster werden die Kalender auch direkt mit den folgenden Tasten gewählt:\r\n"
    "'N' = Haldenau PM 1; nochmals gedrückt PM 1 mit 2er Block und wieder zurück.\r\n"
    "'M' = Haldenau Werk; nochmals gedrückt Werk mit 2er Block und wieder zurück.\r\n"
    "'X' = Haldenau Standard, der Schichtplan eines Halbjahres mit fünf Kolumnen.\r\n"
    "'B' = Haldenau Zweischicht, das Zweischichtsystem mit drei Schichtbesatzungen.\r\n"
    "'V' = Velmo Kessbach, das Vierschichtsystem in Kessbach.\r\n"
    "'C' = Olmer Karton, das Vierschichtsystem von Olmer Karton.\r\n"
    "'G' = Eigener Plan, der unter 'Eigener Schichtplan' festgelegte Schichtplan; nochmals gedrückt sein\r\n"
    "Halbjahresplan wie bei Haldenau Standard und wieder zurück.\r\n"
    "Die Schaltfläche 'Eigener Plan' ist gesperrt, solange kein gültiger eigener Schichtplan festgelegt ist.\r\n"
    "Der gewählte Kalender wird beim Beenden des Programms gespeichert.\r\n"
    "\r\n"
    "Eigener Schichtplan\r\n"
    "Festlegen eines eigenen Schichtplans: Name, die verwendeten Schichten Früh, Spät, Nacht und Tag mit\r\n"
    "Beginn, Ende und bezahlten Stunden, 1 bis 6 Schichten mit Name und Farbe, der Zyklus als Folge von\r\n"
    "Buchstaben (F, S, N, T und - für frei, 1 bis 84 Tage), sein erster Tag und je Schicht der Versatz in\r\n"
    "Tagen. Die Vorschau zeigt die ersten vier Wochen, Fehler und Hinweise stehen darunter. Der Plan wird\r\n"
    "im Datenordner in der Datei 'Eigener Schichtplan.txt' gespeichert; im Menü auch mit der Taste 'G'.\r\n"
    "\r\n"
    "Schriftart\r\n"
    "Wahl der Schriftart und Schriftgröße für den Kalender und alle Fenster, im Hauptfenster auch mit der\r\n"
    "Taste 'S'. Die Größe des Hauptfensters richtet sich nach der Schrift. Wird es damit für den Bildschirm\r\n"
    "zu groß, erscheint eine Fehlermeldung und die bisherige Schrift bleibt erhalten. Die Schrift wird beim\r\n"
    "Beenden des Programms gespeichert. Ist die Schrift des Systems vergrößert (z. B. auf 150 %), wächst\r\n"
    "der Kalender mit: die gewählte Größe gilt dann mal diesem Faktor, damit Beschriftungen und Namen\r\n"
    "ganz lesbar bleiben. Passt das Fenster so nicht auf den Bildschirm, hilft eine kleinere Schriftgröße\r\n"
    "oder eine geringere Anzahl an Monaten.\r\n"
    "\r\n"
    "Hintergrundfarbe\r\n"
    "Ändert die Hintergrundfarbe des Kalenders, z. B. für den Ausdruck einer Bildschirmkopie, im\r\n"
    "Hauptfenster auch mit der Taste 'H'. Die Farbe gilt ab der nächsten Anzeige des Kalenders bis zum\r\n"
    "Beenden des Programms und wird nicht gespeichert. Im Kalender Haldenau Standard ist die Schaltfläche\r\n"
    "gesperrt.\r\n"
    "\r\n"
    "Stunden\r\n"
    "Eingabe der Minus- bzw. Plusstunden an einem Stichtag, wahlweise als Stunden und Minuten (Std:Min)\r\n"
    "oder als Dezimalzahl (Std,dez), im Bereich von -600 bis 600 Stunden, und Wahl der Stammschicht. Ab\r\n"
    "dem Stichtag werden die Stunden anhand der Schichtmarkierungen der Stammschicht weitergezählt. Mit\r\n"
    "'Den Urlaubsblock als Minusstunden berechnen' werden die Urlaubstage des Urlaubsblocks abgezogen, z. B.\r\n"
    "wenn im Urlaubsblock durch einen Schichttausch gearbeitet wird. Das Fenster öffnet sich auch mit einem\r\n"
    "Mausklick auf die Stundenanzeige rechts unten im Hauptfenster.\r\n"
    "\r\n"
    "Urlaub\r\n"
    "Eingabe der Resturlaubstage an einem Stichtag des laufenden Jahres, im Bereich von -60 bis 60 Tagen,\r\n"
    "und Wahl der Stammschicht. Ab dem Stichtag wird jede Urlaubsmarkierung an einem Arbeitstag der\r\n"
    "Stammschicht abgezogen, außer an Feiertagen. Mit dem neuen Jahr beginnt die Zählung am 1. Januar\r\n"
    "wieder mit 0 Tagen. Das Fenster öffnet sich auch mit einem Mausklick auf die Urlaubsanzeige rechts\r\n"
    "unten im Hauptfenster.\r\n"
    "In den Kalendern Velmo Kessbach und Olmer Karton gibt es keine Stunden- und Urlaubsberechnung. Im\r\n"
    "eigenen Plan zählen die bezahlten Stunden seiner Schichten; einen Urlaubsblock gibt es dort nicht.\r\n"
    "\r\n"
    "Verzeichnis\r\n"
    "Wahl eines neuen Programmverzeichnisses, z. B. auf einem Netzlaufwerk, damit mehrere Rechner dieselben\r\n"
    "Notizen und Markierungen verwenden. Im gewählten Verzeichnis wird der Ordner SKDaten mit einem Ordner\r\n"
    "für den Benutzer angelegt und die Notizen und Markierungen werden dorthin kopiert. Existiert der\r\n"
    "Ordner des Benutzers dort bereits, erfolgt die Abfrage, ob die vorhandenen Dateien gelöscht und\r\n"
    "überschrieben werden sollen. Mit 'Ja' ersetzen die aktuellen Notizen und Markierungen die dort\r\n"
    "vorhandenen, mit 'Nein' werden die dort vorhandenen Dateien unverändert verwendet. Die\r\n"
    "Programmeinstellungen bleiben auf jedem Rechner getrennt.\r\n"
    "\r\n"
    "Einstellungen\r\n"
    "Eingabe der Koordinaten des Ortes, der Anzeigen im Kalender, des frühesten Urlaubsbeginns, der\r\n"
    "Reihenfolge der Schichten im Urlaubsblock und der Sollstunden, im Hauptfenster auch mit der Taste 'E'.\r\n"
    "Die Schaltfläche 'Info' im Fenster 'Programmeinstellungen' erklärt die einzelnen Eingaben.\r\n"
    "\r\n"
    "Info\r\n"
    "Zeigt diesen Text an.\r\n"
    "\r\n"
    "Drucken\r\n"
    "Druckt den angezeigten Kalender auf weißem Papier, A4 quer, im Hauptfenster auch mit 'Strg+P': den\r\n"
    "Halbjahresplan auf ein Blatt, die Monatsspalten zu höchstens sechs je Blatt mit der Überschrift\r\n"
    "'Schichtplan', Kalender, erster und letzter Monat, und einer Legende der Schichtfarben und\r\n"
    "Schichtzeiten. 'In Datei drucken' legt ein PDF im persönlichen Ordner an.\r\n"
    "\r\n"
    "Für Kalender-App exportieren\r\n"
    "Speichert die Schichten einer Schicht (vorgewählt ist die Stammschicht) für einen Zeitraum als\r\n"
    "Kalenderdatei (.ics), wahlweise mit dem Urlaubsblock, den Schichtmarkierungen (nur in der Datei der\r\n"
    "Stammschicht) und einer Erinnerung vor Schichtbeginn. Frühschicht 6.00 - 14.00 Uhr, Spätschicht\r\n"
    "14.00 - 22.00 Uhr, Nachtschicht 22.00 - 6.00 Uhr; an Sonntagen gibt es keine Spätschicht, die\r\n"
    "Frühschicht dauert dann 6.00 - 18.00 Uhr und die Nachtschicht 18.00 - 6.00 Uhr (Zweischichtsystem,\r\n"
    "Vierschichtsysteme und der eigene Plan behalten ihre Zeiten). Urlaub, Krank und Freizeit nehmen die\r\n"
    "Schicht des Tages heraus, ein 'X' an einem freien Tag wird zur Schicht seiner Spalte. Die Datei wird\r\n"
    "per E-Mail, Messenger oder Kabel aufs Handy gebracht und dort mit der Kalender-App geöffnet.\r\n"
    "\r\n"
    "Erinnerungen\r\n"
    "Meldet als Benachrichtigung des Desktops am Vortag um eine gewählte Uhrzeit die Schicht der\r\n"
    "Stammschicht ('Morgen Frühschicht 6.00 - 14.00 Uhr'), auf Wunsch noch einmal vor Schichtbeginn, und\r\n"
    "die jährlichen Notizen am Tag selbst. An Tagen mit Urlaub, Krank oder Freizeit kommt keine\r\n"
    "Schichterinnerung. Jede Erinnerung kommt einmal, auch bei geschlossenem Programm (ein systemd-Timer\r\n"
    "ruft dann alle 15 Minuten 'schichtplan --remind' auf); ein Klick darauf zeigt den Tag im Kalender.\r\n"
    "\r\n"
    "Kalender-Abgleich\r\n"
    "Hält einen Kalender auf einem CalDAV-Server (Nextcloud, Radicale, Kalender des Mail-Anbieters) auf dem\r\n"
    "Stand des Plans: dieselben Termine wie die Kalenderdatei, für den laufenden Monat und die elf Monate\r\n"
    "danach. Neue Termine werden gesendet, geänderte ersetzt, nicht mehr geplante gelöscht; Termine aus\r\n"
    "anderen Quellen und frühere Monate bleiben unberührt. Das Passwort liegt im Schlüsselbund der\r\n"
    "Arbeitsumgebung. 'Automatisch abgleichen' gleicht nach jeder Änderung der Markierungen, des eigenen\r\n"
    "Schichtplans oder der Schichtart, beim Programmstart und einmal täglich ab. Die Daten des Programms\r\n"
    "bleiben maßgeblich: Änderungen am Handy an diesen Terminen werden beim nächsten Abgleich ersetzt.\r\n"
    "\r\n"
    "Die Menüpunkte können auch mit den Tasten 'K', 'G', 'S', 'H', 'P', 'U', 'V', 'E', 'I', 'D', 'X', 'R' und\r\n"
    "'A' gewählt werden.";

const char* const kCalendarMarksText =
    "Die Wahl des Menüs erfolgt mit der Taste 'K' oder über das Menü 'Notiz' und 'Kalendermarkierung'. Damit\r\n"
    "kann ein Balken in beliebiger Farbe und Länge im Kalender angezeigt werden. Das Start- und Enddatum des\r\n"
    "Balkens werden im Menü eingegeben. Es können beliebig viele Balken angezeigt werden, deren Daten sich\r\n"
    "jedoch nicht überlappen dürfen.\r\n"
    "Zum Ändern oder Löschen eines Balkens einen überstreichenden Tag mit dem Cursor anfahren und das Menü\r\n"
    "aufrufen.";

const char* const kSettingsText =
    "Um die Auf- und Untergangszeiten berechnen zu können, sind die Koordinaten des Ortes notwendig.\r\n"
    "Der Name des Ortes, bis zu 50 Zeichen lang, dient nur der Anzeige. Die Koordinaten werden in Grad und\r\n"
    "Minuten eingegeben: vor dem Punkt stehen die Grad, nach dem Punkt zwei Stellen für die Minuten (48.47\r\n"
    "bedeutet 48 Grad und 47 Minuten). Statt des Punktes kann auch ein Komma, ein Leerzeichen oder ein\r\n"
    "Apostroph stehen. Hat der Wert nach dem Punkt 60 oder mehr Minuten, wird er als Dezimalbruch eines\r\n"
    "Grades gelesen und in Minuten umgerechnet (12.7 wird zu 12.42).\r\n"
    "\r\n"
    "Breitengrad\r\n"
    "Die geographische Breite des Ortes von 0 bis 90 Grad mit der Wahl 'Nord' oder 'Süd'. Für Haldenau\r\n"
    "gilt 48.47 Nord.\r\n"
    "\r\n"
    "Längengrad\r\n"
    "Die geographische Länge des Ortes von 0 bis 180 Grad mit der Wahl 'Ost' oder 'West'. Für Haldenau\r\n"
    "gilt 12.52 Ost.\r\n"
    "\r\n"
    "Zeitzone\r\n"
    "Der Unterschied der Ortszeit zur Weltzeit in Stunden, ohne Sommerzeit, von 12 Stunden West bis 14\r\n"
    "Stunden Ost. 'Ost' gilt für Orte östlich, 'West' für Orte westlich von Greenwich. Für Deutschland gilt\r\n"
    "1 Ost.\r\n"
    "\r\n"
    "Sommerzeit\r\n"
    "Mit 'Sommerzeit automatisch' werden alle Zeiten vom letzten Sonntag im März bis zum Samstag vor dem\r\n"
    "letzten Sonntag im Oktober um eine Stunde später angezeigt. Der Hinweis auf die Zeitumstellung steht an\r\n"
    "diesen Sonntagen in jedem Fall in der untersten Statuszeile.\r\n"
    "\r\n"
    "Bürgerliche Dämmerung\r\n"
    "Die unterste Statuszeile zeigt Beginn und Ende der gewählten Dämmerung, den Sonnenauf- und -untergang und\r\n"
    "den Mondauf- und -untergang. Die bürgerliche Dämmerung endet, wenn die Sonne 6 Grad unter dem Horizont\r\n"
    "steht. Bis dahin ist es im Freien noch hell genug, um ohne Licht zu lesen.\r\n"
    "\r\n"
    "Nautische Dämmerung\r\n"
    "Sie endet, wenn die Sonne 12 Grad unter dem Horizont steht. Bis dahin ist die Kimm, der Horizont über\r\n"
    "dem Meer, noch zu erkennen.\r\n"
    "\r\n"
    "Astronomische Dämmerung\r\n"
    "Sie endet, wenn die Sonne 18 Grad unter dem Horizont steht. Danach ist der Himmel völlig dunkel.\r\n"
    "\r\n"
    "Mondphasen\r\n"
    "Mit 'Mondphasen anzeigen' stehen Neumond, erstes Viertel, Vollmond und letztes Viertel als Mondsymbol\r\n"
    "im Kalender. Die Mondphase und ihre Uhrzeit stehen immer in der untersten Statuszeile.\r\n"
    "\r\n"
    "Finsternisse\r\n"
    "Sonnen- und Mondfinsternisse werden zusammen mit den Mondphasen angezeigt: bei einer Sonnenfinsternis\r\n"
    "ist das Neumondsymbol grau, bei einer Mondfinsternis das Vollmondsymbol rötlich gefüllt. Die Art der\r\n"
    "Finsternis und die Uhrzeit ihrer größten Phase stehen in der untersten Statuszeile.\r\n"
    "\r\n"
    "Mondnähe und Mondferne\r\n"
    "Mit 'Mondferne und Mondnähe anzeigen' steht im Kalender ein N an dem Tag, an dem der Mond der Erde am\r\n"
    "nächsten kommt, und ein F am Tag seiner größten Entfernung. Die Uhrzeiten stehen in der untersten\r\n"
    "Statuszeile.\r\n"
    "\r\n"
    "Wochennummer\r\n"
    "Mit 'Wochennummer anzeigen' steht die Kalenderwoche nach ISO 8601 an jedem Montag und am Ersten jedes\r\n"
    "Monats im Kalender, wenn dort kein Mondsymbol und kein N oder F steht.\r\n"
    "\r\n"
    "Schulferien\r\n"
    "Mit 'Schulferien anzeigen' werden die Tage der Schulferien des gewählten Bundeslandes im Kalender farbig\r\n"
    "hinterlegt. Die Ferientermine eines Jahres zeigt das Menü 'Info' unter 'Schulferien'. Das Programm bringt\r\n"
    "die Termine aller Länder von 2019 bis 2028 mit; für Bayern kennt es zudem die Jahre 2011 bis 2024.\r\n"
    "Selbst geladene Termine gehen den mitgelieferten vor.\r\n"
    "\r\n"
    "Bundesland\r\n"
    "Die gesetzlichen Feiertage (rote Tage) und die Schulferien richten sich nach dem hier gewählten Land\r\n"
    "(Vorgabe Bayern). Ein Urlaubstag an einem Feiertag des Landes zählt im Resturlaub nicht. Vor 1991 gelten\r\n"
    "die Feiertage des Landes von 1991. Die Feiertagsstufen der Schichtbilder und die Vorabende (24. und\r\n"
    "31. Dezember, Karsamstag, 30. April, Pfingstsamstag) bleiben die Regeln der Werke.\r\n"
    "\r\n"
    "Frühester Urlaubsbeginn\r\n"
    "In den Kalendern mit fünf Schichten hat jede Schicht einen Urlaubsblock von 28 Tagen; die fünf Blöcke\r\n"
    "folgen in einem Zeitraum von 140 Tagen aufeinander. Dieser beginnt an einem Montag, frühestens an dem\r\n"
    "hier eingegebenen Tag (Vorgabe 25.04.). Von Jahr zu Jahr wandert der Beginn im Kalender um einen Tag,\r\n"
    "in Schaltjahren um zwei Tage zurück. Fällt er vor den frühesten Urlaubsbeginn, springt er 35 Tage nach\r\n"
    "vorn. Ein Umlauf dauert 28 Jahre.\r\n"
    "\r\n"
    "Reihenfolge der Schichten\r\n"
    "Legt fest, in welcher Reihenfolge die Schichten ihren Urlaubsblock nehmen. Jedes Jahr rücken die\r\n"
    "Schichten um zwei Blöcke weiter, so dass jede Schicht der Reihe nach den 1., 3., 5., 2. und 4. Block\r\n"
    "hat. Die Folge beginnt in den Jahren, deren Jahreszahl durch 5 teilbar ist. 'Urlaub zurücksetzen'\r\n"
    "stellt den frühesten Urlaubsbeginn und die Reihenfolge wieder auf die Vorgaben des Programms.\r\n"
    "\r\n"
    "Sollstunden\r\n"
    "Die Sollstunden eines Jahres bei einer 38-Stundenwoche für die Kalender mit fünf Schichten und bei\r\n"
    "einer 40-Stundenwoche für das Zweischichtsystem. Die Jahresstunden im Menü 'Info' vergleichen damit die\r\n"
    "Stunden jeder Schicht.";

const char* const kProgramInfoText =
    "Velmo Haldenau Schichtkalender für die Jahre von 1970 bis 2037\r\n"
    "\r\n"
    "Version: 20170430\r\n"
    "\r\n"
    "Beim Start wird der aktuelle Monat in der ersten Spalte links angezeigt. Der Cursor befindet\r\n"
    "über dem aktuellen Tag.\r\n"
    "\r\n"
    "Mit der Menüzeile oben wird das Programm gesteuert. Die Menüpunkte entsprechen den F-Tasten.\r\n"
    "\r\n"
    "Die unteren Zeilen zeigen die Informationen zum Tag, die für den Tag eingetragenen\r\n"
    "Notizen und einige astronomische Daten an. Ein Mausklick auf die zweite Zeile öffnet ein\r\n"
    "Fenster zur vollständigen Anzeige der Notizen zum gewählten Tag.\r\n"
    "\r\n"
    "Den rechten Abschluss der Zeilen bilden die Anzeigen der Minusstunden und Resturlaubstage.\r\n"
    "\r\n"
    "Viel Spaß!";

const char* const kNotesText =
    "Die Notizen werden in der unteren Statuszeile angezeigt wenn der Cursor auf einen Tag mit einer\r\n"
    "Notiz gesetzt wird. Ein Mausklick auf diese Zeile öffnet ein Fenster mit allen Notizen des Tages.\r\n"
    "Tage mit Notizen sind im Kalender gekennzeichnet. Eine Notiz kann bis zu 8191 Zeichen lang sein. Wurde\r\n"
    "beim Anmelden ein Passwort eingegeben, werden die Notizen damit verschlüsselt gespeichert.\r\n"
    "Im Eingabefenster speichert 'Speichern' die Notiz, 'Alles zurück' nimmt alle Änderungen zurück, 'Lösche\r\n"
    "Text' leert das Textfeld und 'Lösche Notiz' löscht die ganze Notiz. Wird das Fenster mit 'Esc'\r\n"
    "verlassen, erfolgt bei Änderungen die Frage, ob sie gespeichert werden sollen. Eine leere Notiz wird\r\n"
    "gelöscht.\r\n"
    "\r\n"
    "1. Die Tagesnotiz\r\n"
    "Eine Notiz für einen einzelnen Tag.\r\n"
    "\r\n"
    "2. Die periodische Notiz\r\n"
    "Eine Notiz, die sich alle 1 bis 365 Tage wiederholt, vor und nach dem Tag der Eingabe. Fallen mehrere\r\n"
    "periodische Notizen auf einen Tag, wird mit ' < ' und ' > ' zwischen ihnen gewechselt. Wird die\r\n"
    "Periode einer Notiz geändert, bleibt die Notiz mit der alten Periode erhalten und die Notiz wird\r\n"
    "zusätzlich mit der neuen Periode gespeichert.\r\n"
    "\r\n"
    "3. Die jährliche Notiz\r\n"
    "Eine Notiz, die jedes Jahr am gleichen Tag angezeigt wird, z. B. für Geburtstage. Eine Notiz am\r\n"
    "29. Februar erscheint nur in Schaltjahren. 'Einsetzen' fügt für das gewählte Jahr, z. B. 1980, den\r\n"
    "Text '<1980>. Geburtstag ' ein. Bei der Anzeige wird '<1980>' durch die Anzahl der Jahre seit 1980\r\n"
    "ersetzt, im Jahr 2017 steht dann '37. Geburtstag' in der Statuszeile.\r\n"
    "\r\n"
    "4. Ein bestimmter Wochentag im Monat.\r\n"
    "Eine Notiz am ersten, zweiten, dritten, vierten oder letzten Montag, Dienstag usw. eines Monats,\r\n"
    "entweder in einem bestimmten Monat jedes Jahres oder in jedem Monat ('Monat'). Der Wochentag ist der\r\n"
    "des gewählten Tages.\r\n"
    "Fallen mehrere solche Notizen auf einen Tag, wird mit ' < ' und ' > ' zwischen ihnen gewechselt.\r\n"
    "\r\n"
    "Löschen\r\n"
    "Im Fenster 'Lösche Notizen und Markierungen' werden die Tagesnotizen und Schichtmarkierungen bis\r\n"
    "einschließlich zum eingegebenen Datum gelöscht, ebenso die Kalendermarkierungen, die bis zu diesem Datum\r\n"
    "beginnen. Die periodischen Notizen, die jährlichen Notizen und die Notizen zu einem Wochentag im Monat\r\n"
    "werden dagegen alle gelöscht. Gelöscht wird nur, was angehakt ist, und erst nach einer Abfrage.\r\n"
    "\r\n"
    "Im Menü 'Notiz' (Taste 'F9') werden die Eingaben mit folgenden Tasten gewählt:\r\n"
    "'T' = Tagesnotiz\r\n"
    "'P' = Periodische Notiz\r\n"
    "'J' = Jährliche Notiz\r\n"
    "'W' = Wochentag im Monat\r\n"
    "'K' = Kalendermarkierung\r\n"
    "'S' = Schichtmarkierung\r\n"
    "'L' = Löschen\r\n"
    "'U' = Übersicht der Notizen für die angezeigten Monate\r\n"
    "'I' = Info\r\n"
    "Die Tasten 'T', 'P', 'J', 'W', 'K', 'L' und 'U' wirken auch direkt im Hauptfenster. Zu den Kalender-\r\n"
    "und Schichtmarkierungen gibt es im Menü 'Info' eigene Texte.";

const char* const kShiftMarksText =
    "Mit einem Doppelklick, oder mit den Tasten '1', '2', '3'  und '4' öffnet sich das Eingabefenster für\r\n"
    "die Schichtmarkierung des gewählten Tages. Der Doppelklick wählt die Schichtspalte, in die geklickt\r\n"
    "wurde, die Taste '1' die Spalte der Frühschicht, '2' die der Spätschicht, '3' die der Nachtschicht und\r\n"
    "'4' die der Verfügung, in den Kalendern Velmo Kessbach und Olmer Karton die Spalten Schicht B, C, D\r\n"
    "und A. Über das Menü 'Notiz' und 'Schichtmarkierung' wird die Spalte vorher gewählt.\r\n"
    "Jeder Tag hat höchstens eine Markierung, eine neue Eingabe ersetzt die alte. Im Eingabefenster wird\r\n"
    "ein Zeichen auch mit seiner Taste gewählt und sofort übernommen, 'Entf' löscht die Markierung.\r\n"
    "Im Zweischichtkalender gibt es keine Spalte für die Nachtschicht, in den Kalendern mit fünf\r\n"
    "Schichten kann die Spalte der Spätschicht an Sonntagen nicht markiert werden.\r\n"
    "\r\n"
    "Die Zeichen sind gedacht für:\r\n"
    "'X' = Arbeitseinsatz an einem freien Tag, z. B. als Vertretung\r\n"
    "'F' = Freizeit an einem Arbeitstag, z. B. zum Abbau von Plusstunden\r\n"
    "'U' = Urlaub\r\n"
    "'L' = Lehrgang\r\n"
    "'K' = Krank\r\n"
    "'A' = Ausfallbezahlung, kurzer Wechsel\r\n"
    "In den Kalendern Velmo Kessbach und Olmer Karton stehen statt 'X' die Früh-, Spät- und Nachtschicht\r\n"
    "zur Wahl. Angezeigt werden dort '1', '2' und '3' (Velmo Kessbach) bzw. 'F', 'S' und 'N' (Olmer\r\n"
    "Karton), für die Freizeit 'f' bzw. '-', die übrigen Zeichen wie oben. Im Kalender Haldenau Standard\r\n"
    "werden keine Schichtmarkierungen angezeigt.\r\n"
    "\r\n"
    "Minus- und Plusstunden\r\n"
    "Ab dem Stichtag der Stunden zählt jedes 'X' und jedes 'L' an einem Tag, an dem die Stammschicht\r\n"
    "(siehe unten) frei hat, Verfügung hat oder im Urlaubsblock ist, 8 Stunden dazu, an einem Sonntag 12\r\n"
    "Stunden. Jedes 'F' an einem Arbeitstag der Stammschicht zieht 8 Stunden ab, an einem Sonntag 12\r\n"
    "Stunden. Ist 'Den Urlaubsblock als Minusstunden berechnen' gesetzt, werden auch die Urlaubstage des\r\n"
    "Urlaubsblocks der Stammschicht abgezogen. Ein Stand unter -40 Stunden wird rot, einer über 40 Stunden\r\n"
    "grün angezeigt.\r\n"
    "\r\n"
    "Resturlaub\r\n"
    "Ab dem Stichtag des Resturlaubs zieht jedes 'U' an einem Arbeitstag der Stammschicht im laufenden\r\n"
    "Jahr einen Tag ab. Die Tage des Urlaubsblocks gehören zum Schichtplan und werden hier nicht gezählt.\r\n"
    "'K' und 'A' werden nur angezeigt und nicht gezählt.\r\n"
    "\r\n"
    "Feiertage\r\n"
    "Ein 'F' oder 'U' an einem Feiertag wird nicht gezählt. Als Feiertage gelten dabei Neujahr, Heilige\r\n"
    "Drei Könige, Karfreitag, Ostersonntag, Ostermontag, 1. Mai, Christi Himmelfahrt, Pfingstsonntag,\r\n"
    "Pfingstmontag, Fronleichnam, Mariä Himmelfahrt, Tag der Deutschen Einheit und die beiden\r\n"
    "Weihnachtsfeiertage, für die Spalten der Spät- und Nachtschicht auch Heiligabend, Silvester und der\r\n"
    "Karsamstag, für die Spalte der Nachtschicht auch der 30. April und der Pfingstsamstag.\r\n"
    "\r\n"
    "Die Stammschicht\r\n"
    "Die Stunden und der Resturlaub werden für die eigene Schicht, die Stammschicht, gezählt. Sie wird in\r\n"
    "den Fenstern 'Stunden eingeben' und 'Urlaub eingeben' gewählt, die ein Mausklick auf die Stunden- bzw.\r\n"
    "Urlaubsanzeige rechts unten im Hauptfenster oder das Menü 'Prog.' öffnet. In den Kalendern Velmo\r\n"
    "Kessbach und Olmer Karton werden keine Stunden und kein Resturlaub berechnet.";

const char* const kKeyboardText =
    "Das Programm ist fast vollständig mit der Tastatur bedienbar. Die Tastenbelegung ist wie folgt:\r\n"
    "Im Kalender Haldenau Standard sind die Pfeiltasten, 'F2', 'F3', 'F9', 'H', '+' und '-' ohne\r\n"
    "Funktion, dort blättern 'F5' und 'F7' um ein halbes Jahr. Ein Doppelklick in eine Schichtspalte öffnet\r\n"
    "die Schichtmarkierung, ein Klick mit der rechten Maustaste kopiert den Kalender nach einer Abfrage in\r\n"
    "die Zwischenablage.\r\n"
    "\r\n"
    "'Esc' = Verlassen eines Fensters bzw. des Programms.\r\n"
    "'Pos1' = Der Cursor wird auf den heutigen Tag gesetzt.\r\n"
    "'Pfeil rechts' = Cursor eine Spalte nach rechts.\r\n"
    "'Pfeil links' = Cursor eine Spalte nach links.\r\n"
    "'Pfeil hoch' = Cursor einen Tag nach oben.\r\n"
    "'Pfeil runter' = Cursor einen Tag nach unten.\r\n"
    "'F1' = Ein Jahr zurück.\r\n"
    "'F2' = Einen Monat zurück.\r\n"
    "'F3' = Einen Monat vor.\r\n"
    "'F4' = Ein Jahr vor.\r\n"
    "'F5' = Eine Seite zurück.\r\n"
    "'Bild auf' = Eine Seite zurück, wie 'F5'.\r\n"
    "'F6' = Der Cursor wird auf den heutigen Tag gesetzt, wie 'Pos1'.\r\n"
    "'F7' = Eine Seite vor.\r\n"
    "'Bild ab' = Eine Seite vor, wie 'F7'.\r\n"
    "'F8' = Direkte Eingabe eines Datums (TT.MM.JJJJ oder JJJJ-MM-TT).\r\n"
    "'F9' = Menü 'Notiz' für Notizen und Markierungen.\r\n"
    "'F10' = Menü 'Prog.': Kalender, Schrift, Farbe, Stunden, Urlaub, Verzeichnis, Einstellungen, Drucken, Export.\r\n"
    "'Strg+P' = Drucken des angezeigten Kalenders.\r\n"
    "'F11' = Anmelden unter einem anderen Benutzernamen.\r\n"
    "'F12' = Menü 'Info' mit verschiedenen Infos zum Kalender und Programm.\r\n"
    "'+' = Mehr Monate anzeigen (Taste auf dem Ziffernblock).\r\n"
    "'-' = Weniger Monate anzeigen (Taste auf dem Ziffernblock).\r\n"
    "'1' = Schichtmarkierung in der Spalte der Frühschicht bzw. Schicht B.\r\n"
    "'2' = Schichtmarkierung in der Spalte der Spätschicht bzw. Schicht C.\r\n"
    "'3' = Schichtmarkierung in der Spalte der Nachtschicht bzw. Schicht D.\r\n"
    "'4' = Schichtmarkierung in der Spalte der Verfügung bzw. Schicht A.\r\n"
    "'T' = Tagesnotiz.\r\n"
    "'P' = Periodische Notiz.\r\n"
    "'J' = Jährliche Notiz.\r\n"
    "'W' = Notiz an einem Wochentag im Monat.\r\n"
    "'U' = Übersicht der Notizen für die angezeigten Monate.\r\n"
    "'K' = Kalendermarkierung.\r\n"
    "'L' = Löschen von Notizen und Markierungen bis zu einem Datum.\r\n"
    "'I' = Programminfo.\r\n"
    "'A' = Anmelden unter einem anderen Benutzernamen, wie 'F11'.\r\n"
    "'D' = Direkte Eingabe eines Datums, wie 'F8'.\r\n"
    "'S' = Schriftart wählen.\r\n"
    "'E' = Programmeinstellungen.\r\n"
    "'H' = Hintergrundfarbe ändern.\r\n"
    "'N' = Kalender Haldenau PM 1, nochmals gedrückt PM 1 mit 2er Block.\r\n"
    "'M' = Kalender Haldenau Werk, nochmals gedrückt Werk mit 2er Block.\r\n"
    "'B' = Kalender Haldenau Zweischicht.\r\n"
    "'X' = Kalender Haldenau Standard, der Schichtplan eines Halbjahres.\r\n"
    "'V' = Kalender Velmo Kessbach.\r\n"
    "'C' = Kalender Olmer Karton.\r\n"
    "'G' = Kalender Eigener Plan, der unter 'Prog.', 'Eigener Schichtplan' festgelegte Schichtplan;\r\n"
    "      nochmals gedrückt sein Halbjahresplan und wieder zurück.\r\n"
    "'Z' = Kopiert den Kalender ohne Abfrage als Bild in die Zwischenablage.\r\n"
    "'Y' = Andere Reihenfolge der Schichten im Urlaubsblock. Die Änderung wird nicht gespeichert.\r\n"
    "'F' = Frühest möglicher Beginn des Blockurlaubes. Die Änderung wird nicht gespeichert";
}  // namespace

const char* const kOwnPlanText =
    "Ein eigener Schichtplan für beliebige Schichtfolgen, angezeigt als Kalender 'Eigener Plan' (Taste 'G').\r\n"
    "\r\n"
    "Schichtfolge\r\n"
    "Der Name erscheint in der Auswahl der Kalender (ein langer gekürzt) und in den Ausgaben. Der Zyklus ist\r\n"
    "eine Folge von 1 bis 84 Buchstaben, einer je Tag: F = Früh, S = Spät, N = Nacht, T = Tag und - = frei,\r\n"
    "z. B. FFSSNN---- für zwei Früh-, zwei Spät-, zwei Nachtschichten und vier freie Tage. Der Zyklusbeginn\r\n"
    "(TT.MM.JJJJ oder JJJJ-MM-TT) ist der Tag, an dem eine Schicht mit dem Versatz 0 den ersten Buchstaben\r\n"
    "arbeitet. Ein Datum, das es nicht gibt, wird nicht angenommen.\r\n"
    "\r\n"
    "Sollstunden im Jahr\r\n"
    "Die Jahresstunden (Info, 'Jahresstunden') vergleichen die Stunden jeder Schicht mit den Sollstunden.\r\n"
    "Bleibt das Feld leer, gelten die Stunden des Plans: die bezahlten Stunden seiner Schichten im Jahr im\r\n"
    "Durchschnitt. Eingegebene Sollstunden (z. B. 1982,76) gelten für alle Schichten des Plans; die\r\n"
    "Sollstunden der Programmeinstellungen gelten nur für die festen Schichtpläne.\r\n"
    "\r\n"
    "Schichtarten\r\n"
    "Angehakt werden die Schichten, die der Plan verwendet, mit Beginn und Ende (z. B. 6:00 und 14:00, ein\r\n"
    "Ende vor dem Beginn liegt am nächsten Tag) und den bezahlten Stunden (z. B. 8, 7:30 oder 7,5). Die\r\n"
    "bezahlten Stunden folgen der Dauer der Schicht, solange sie nicht geändert werden.\r\n"
    "\r\n"
    "Schichten\r\n"
    "1 bis 6 Schichten mit Name, Farbe und Versatz: um so viele Tage später beginnt die Schicht den Zyklus.\r\n"
    "Solange kein Versatz eingegeben wird, verteilen sich die Schichten gleichmäßig über den Zyklus; die\r\n"
    "Schaltfläche 'Versatz verteilen' stellt das wieder her.\r\n"
    "\r\n"
    "Feiertage\r\n"
    "Ohne 'An Feiertagen arbeiten' haben an gesetzlichen Feiertagen alle Schichten frei. 'Feiertage für die\r\n"
    "Konten' legt fest, an welchen Feiertagen Urlaub und Freizeit nicht gezählt werden. In der Vorschau\r\n"
    "sind die gesetzlichen Feiertage rot markiert.\r\n"
    "\r\n"
    "Prüfung\r\n"
    "Fehler (ein falscher Buchstabe, ein Versatz außerhalb des Zyklus, keine Schicht) verhindern das\r\n"
    "Speichern. Hinweise (zwei Schichten zugleich auf einer Schicht, eine Schicht ohne Besatzung) sind\r\n"
    "erlaubt, denn manche Pläne sind so gemeint. Die Eingabetaste speichert aus jedem Feld. Ist die Datei\r\n"
    "beschädigt, zeigt das Fenster, was sich lesen ließ, und die fehlerhafte Zeile; bevor sie überschrieben\r\n"
    "wird, fragt das Programm nach.";

const HelpText kOwnPlanHelp = {"Eigener Schichtplan", 38, kOwnPlanText};

const HelpText kHelpTexts[kHelpTextCount] = {
    {helptitle::kUserAndPassword, 13, kUserAndPasswordText},
    {helptitle::kProgramMenu, 39, kProgramMenuText},
    {helptitle::kCalendarMarks, 9, kCalendarMarksText},
    {helptitle::kSettings, 39, kSettingsText},
    {helptitle::kProgramInfo, 22, kProgramInfoText},
    {helptitle::kNotes, 39, kNotesText},
    {helptitle::kShiftMarks, 39, kShiftMarksText},
    {helptitle::kKeyboard, 38, kKeyboardText},
};

const HelpText* FindHelpText(std::string_view title) {
    for (const HelpText& h : kHelpTexts) {
        if (title == h.title) return &h;
    }
    return nullptr;
}

const InfoMenuEntry kInfoMenuEntries[kInfoMenuEntryCount] = {
    {"Jahresstunden", "Die Minusstunden für das Jahr der Spalte der Cursorposition", 'M', 1,
     InfoMenuAction::kYearHours},
    {"Schulferien", "Die bayerischen Schulferien ür das in der ersten Spalte angezeigte Jahr", 'S', 1,
     InfoMenuAction::kSchoolHolidays},
    {"Feiertage", "Die staatlichen Feiertage für das in der ersten Spalte angezeigte Jahr", 'F', 1,
     InfoMenuAction::kPublicHolidays},
    {"Programm", "Allgemeine Infos zur Programmbedienung", 'P', 2, InfoMenuAction::kProgramInfo},
    {"Tastaturbelegung", "Infos zur Programmbedienung mit der Tastatur", 'T', 2, InfoMenuAction::kKeyboard},
    {"Schichtmarkierung", "Infos zur Eingabe und Verwaltung von Schichtmarkierungen", 'I', 2,
     InfoMenuAction::kShiftMarks},
    {"Kalendermarkierung", "Infos zur Eingabe und Verwaltung von Kalendermarkierungen", 'K', 2,
     InfoMenuAction::kCalendarMarks},
    {"Notizen", "Infos zur Eingabe und Verwaltung von Notizen", 'N', 2, InfoMenuAction::kNotes},
    {"Prog. Menü", "Infos zu den unter 'Prog.' wählbaren Dingen", 'R', 2, InfoMenuAction::kProgramMenu},
    {"Name", "Infos zum Anmelden unter einen Benutzernamen", 'A', 2, InfoMenuAction::kUserAndPassword},
    {"Einstellungen", "Infos zu den Programmeinstellungen", 'E', 2, InfoMenuAction::kSettings},
};

std::optional<InfoMenuAction> InfoMenuActionForKey(char key) {
    // Only ASCII letters are keys here; fold lower case without locale rules.
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    for (const InfoMenuEntry& e : kInfoMenuEntries) {
        if (e.key == key) return e.action;
    }
    return std::nullopt;
}

const HelpText* HelpTextOfAction(InfoMenuAction action) {
    switch (action) {
        case InfoMenuAction::kYearHours:
        case InfoMenuAction::kSchoolHolidays:
        case InfoMenuAction::kPublicHolidays:
            return nullptr;
        case InfoMenuAction::kProgramInfo: return FindHelpText(helptitle::kProgramInfo);
        case InfoMenuAction::kKeyboard: return FindHelpText(helptitle::kKeyboard);
        case InfoMenuAction::kShiftMarks: return FindHelpText(helptitle::kShiftMarks);
        case InfoMenuAction::kCalendarMarks: return FindHelpText(helptitle::kCalendarMarks);
        case InfoMenuAction::kNotes: return FindHelpText(helptitle::kNotes);
        case InfoMenuAction::kProgramMenu: return FindHelpText(helptitle::kProgramMenu);
        case InfoMenuAction::kUserAndPassword: return FindHelpText(helptitle::kUserAndPassword);
        case InfoMenuAction::kSettings: return FindHelpText(helptitle::kSettings);
    }
    return nullptr;
}

}  // namespace sk
