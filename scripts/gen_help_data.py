#!/usr/bin/env python3
"""Writes the shipped help data into data/help (or the folder given): the help text files
korvant.hlp and vx11.hlp, the help-picture index vx11.dbh and the HP-GL help pictures, all in
code page 850 with CR LF. Edit the texts and drawings here and run it again rather than editing
the files."""
import math
import os
import sys

# Help texts as (header, lines): the header is the number, optionally ":" and the picture name;
# at most five lines, none starting with a number. KORVANT holds the numbers below 4000.
KORVANT = [
("1000", ["Belastung der Verbindung: Nenndrehmoment TN und maximales Drehmoment",
          "Tmax in Nm, Anwendungsfaktor KA, Lastverteilungsfaktor K lambda,",
          "Reibschlußfaktor KR, größtes Biegemoment Mbmax der Welle sowie die",
          "Faktoren fW und fL für Welle, Nabe und Scheibenfeder. Teq = TN * KA.",
          "Die Knöpfe KA ?, fW ? und fL ? zeigen Hilfebilder zu den Faktoren."]),
("1030", ["Druckeinstellung der Zeichnung: Maßstab in x und y, Ursprung auf dem",
          "Blatt, Hoch- oder Querformat, farbig oder schwarzweiß, Anpassen an",
          "das Blatt und Umrandung. Eine Einstellung läßt sich unter einem Namen",
          "in der Tabelle printout speichern und von dort wieder übernehmen."]),
("1040", ["Gespeicherte Druckeinstellungen (Tabelle printout): gewünschte Zeile",
          "wählen und mit OK übernehmen. Die Werte gelten erst, wenn auch die",
          "Druckeinstellung mit OK bestätigt wird."]),
("1050", ["Ausgabe auf ..: Ziel der Textausgabe wählen. Bildschirm zeigt den Text",
          "im Textfenster, Textdrucker schreibt auf die Druckerschnittstelle,",
          "Datei legt eine Textdatei an, Windows-Drucker druckt über den Drucker",
          "des Systems, externes Textprogramm öffnet den Text dort; TXT und HTML",
          "erzeugen Dateien für Tabellenkalkulation und Browser."]),
("1060", ["Textdrucker: der Text geht unverändert an die Druckerschnittstelle",
          "LPT1 bis LPT4. Mit Pause nach jeder Seite wird vor jeder neuen Seite",
          "gefragt, z.B. zum Einlegen von Einzelblättern. Eine Datei TEXT.KVP im",
          "Arbeitsordner wird vorher als Steuersequenz an den Drucker geschickt."]),
("1070", ["Ausgabe in eine Datei: Ordner und Namen der Textdatei wählen. Die",
          "Endung ist txt, bei HTML htm. Eine vorhandene Datei wird erst nach",
          "Rückfrage überschrieben."]),
("1120", ["Benutzer: Namen des Benutzers eingeben (höchstens 8 Zeichen). Der Name",
          "ist ein Unterordner des Standard-Datenordners; dort liegen die",
          "Eingabedateien dieses Benutzers. Abbrechen beendet das Programm."]),
("1210", ["Meldungen der Berechnung: eine Meldung wählen, um Ursache und Abhilfe",
          "zu sehen. Weiter/zurück... kehrt zum Programm zurück. Fatal-Meldungen",
          "verhindern ein Ergebnis, Fehler zeigen eine zu geringe Sicherheit oder",
          "unbrauchbare Eingaben, Warnungen weisen auf Grenzfälle hin."]),
("1605", ["Arbeitsordner: der Ordner, in dem das Programm gestartet wurde. Dort",
          "werden TEXT.KVP und printout.dbf zuerst gesucht. Er wird nur",
          "angezeigt und kann hier nicht geändert werden."]),
("1970", ["Fehlerbeschreibung: Meldung, Ursache und Abhilfe der gewählten",
          "Meldung. Ursache und Abhilfe können ergänzt werden; beim Schließen mit",
          "OK wird gefragt, ob die Änderungen gespeichert werden sollen."]),
("2070", ["Meldungsliste: alle Meldungen des letzten Berechnungslaufs (höchstens",
          "elf). Zu jeder Meldung gibt es eine Beschreibung mit Ursache und",
          "Abhilfe."]),
("2300", ["Hilfebilder: ein Bild aus der Liste wählen, es wird im Grafikfenster",
          "gezeigt. Neu, Ändern, Einfügen und Löschen bearbeiten die Liste der",
          "Hilfebilder (vx11.dbh im PLT Ordner). HP-GL/2 drucken/plotten schickt",
          "ein Bild an einen Drucker oder Plotter, der HP-GL/2 versteht."]),
("2310", ["Hilfebild anfügen: eine HP-GL-Datei (.plt) im PLT Ordner wählen und",
          "eine kurze Information (höchstens 50 Zeichen) eingeben. Das Bild wird",
          "am Ende der Liste angefügt."]),
("2320", ["Hilfebild löschen: die Zeile wird aus der Liste der Hilfebilder",
          "entfernt. Die Bilddatei selbst bleibt erhalten."]),
("2330", ["Hilfebild ändern: Dateiname des Bildes ohne Endung .plt (höchstens",
          "8 Zeichen). Die Datei muß im PLT Ordner liegen."]),
("2340", ["Information zum Hilfebild: kurzer Text (höchstens 50 Zeichen), der in",
          "der Liste neben dem Dateinamen steht."]),
("2350", ["Hilfebild einfügen: das neue Bild wird vor der gewählten Zeile in die",
          "Liste eingefügt; Datei und Information wie beim Anfügen."]),
("2360", ["Hilfebild drucken: Nummer der Druckerschnittstelle eingeben, 1 steht",
          "für LPT1. Die HP-GL-Datei wird unverändert an die Schnittstelle",
          "geschickt."]),
("2370", ["Steuersequenz: Laserdrucker mit HP-GL/2 brauchen vor dem Bild die",
          "Umschaltung in den HP-GL/2-Modus und danach zurück. Für Plotter mit",
          "Nein antworten."]),
("2450", ["Suchbegriff: Text eingeben, der in der Tabelle gesucht wird (höchstens",
          "50 Zeichen). Weitersuchen sucht denselben Text ab der nächsten Zeile."]),
("2710", ["Programm, mit dem das verknüpfte Dokument geöffnet wird, z.B. ein",
          "Editor oder ein Betrachter (höchstens 50 Zeichen)."]),
("2720", ["Datei des verknüpften Dokuments, z.B. eine Zeichnung oder ein Bericht",
          "(höchstens 50 Zeichen)."]),
("2730", ["Verknüpfte Dokumente: bis zu fünf Dokumente mit je einem Programm und",
          "einer Datei. Sie werden mit der Eingabedatei gespeichert."]),
("3000", ["Änderung: Änderungstext (höchstens 20 Zeichen), Datum, Bearbeiter",
          "(höchstens 5 Zeichen) und eine Beschreibung. Der Knopf mit dem",
          "heutigen Datum setzt dieses Datum ein."]),
("3010", ["Zeichnungsinfo: Angaben für das Schriftfeld der Zeichnungen und die",
          "Zeichnungstexte. Sie werden mit der Eingabedatei gespeichert."]),
("3055", ["Die Datei ist schon vorhanden. Ja überschreibt sie, Nein bricht die",
          "Ausgabe ab."]),
("3400", ["Ergebnistabelle: eine Zeile je Eingabedatei des Ordners mit den",
          "wichtigsten Ergebnissen. Eine Zeile wählen, um die Datei zu laden;",
          "ein Klick auf einen Spaltenkopf sortiert nach dieser Spalte."]),
]

VX11 = [
("4000", ["Versionen von VX11 - Scheibenfederberechnung nach DIN 6892 Methode B:",
          "Version 1.0: Berechnung mit Pressungen, Sicherheiten und Meldungen,",
          "Zeichnungen von Scheibenfeder, Welle und Nabe, DXF- und IGES-Ausgabe.",
          "Version 1.1: Vorauslegung, Auslegungshilfe, Ergebnistabelle, Tabellen-",
          "kalkulation, Hilfebilder, Fehlerbeschreibungen, Menüs in 4 Sprachen."]),
("5040:werkst", ["Abmessungen und Werkstoffe: Wellendurchmesser d, Anzahl und Reihe der",
          "Scheibenfedern, ISO-Toleranzen von Welle und Nabe und die Werkstoffe",
          "mit Streckgrenze Re (spröde Werkstoffe: Zugfestigkeit Rm),",
          "Stützfaktor fS und Härteeinflußfaktor fH.",
          "Zulässige Pressung plim = Re * fS * fH."]),
("5050", ["Auslegungshilfe: zulässige Drehmomente für die Zielsicherheiten S eq",
          "und S max; jede Scheibenfeder der Tabelle in Reihe A und B mit einer",
          "und zwei Federn für d und die Lasten, die kleinste, die beide Ziele",
          "erfüllt, zuerst; der Vorschlag je Vorzugsdurchmesser. Übernehmen setzt",
          "Zeile, Reihe und Anzahl der gewählten Feder in die Eingabe."]),
("5120:ka", ["Anwendungsfaktor KA: erfaßt Stöße und ungleichförmigen Lauf von",
          "Antrieb und Abtrieb. KA = 1.0 bei gleichförmigem Betrieb, etwa 1.25",
          "bei leichten, 1.5 bei mäßigen und 1.75 bis 2.25 bei starken Stößen.",
          "Äquivalentes Drehmoment Teq = TN * KA."]),
("5160:fw", ["Lastrichtungswechselfaktor fW: fW = 1.0, wenn das Drehmoment immer",
          "in derselben Richtung wirkt (schwellend). Wechselt die Lastrichtung,",
          "ist fW kleiner (etwa 0.7). Sicherheit S eq = plim * fW / peq."]),
("5170:fl", ["Lastspitzenhäufigkeitsfaktor fL für Welle, Nabe und Scheibenfeder:",
          "fL = 1.0 bei häufigen Lastspitzen Tmax. Je seltener die Spitzen, desto",
          "größer darf fL sein (bei zähen Werkstoffen bis etwa 1.5, bei spröden",
          "weniger). Sicherheit S max = plim * fL / pmax."]),
("5300", ["Werkstoffname: Kurzname des Werkstoffs, z.B. S355J2G3 oder",
          "EN-GJL-300."]),
("5310", ["Streckgrenze Re in N/mm². Bei spröden Werkstoffen wie Grauguß die",
          "Zugfestigkeit Rm eingeben."]),
("5340", ["Werkstoffnummer, z.B. 1.0570 für S355J2G3 oder 0.6030 für EN-GJL-300."]),
("5400", ["Stützfaktor fS: Stützwirkung des umgebenden Werkstoffs bei der",
          "Flächenpressung. Scheibenfeder 1.0, Welle aus zähem Werkstoff 1.2,",
          "Nabe aus Stahl, Stahlguß oder GJS 1.5, Grauguß GJL 2.0."]),
("5410", ["Härteeinflußfaktor fH: 1.15 für einsatz- oder randschichtgehärtete",
          "Wellen und Naben, sonst 1.0; Scheibenfeder 1.0."]),
("8270", ["Zeichnung wählen: Scheibenfeder, Welle, Nabe oder die Zusammen-",
          "stellung Scheibenfeder, Welle, Nabe; zurück beendet die Auswahl. Die",
          "Zeichnung geht an das gewählte Ausgabeziel (Bildschirm, DXF, IGES,",
          "Plot oder Textliste)."]),
("9500", ["Werkstoffdatenbank: Werkstoff in der Tabelle wählen und mit OK",
          "übernehmen. Nummer, Name, Streckgrenze, fS und fH werden in die",
          "Eingabe übernommen."]),
("9510", ["Scheibenfeder nach DIN 6888: die Tabelle steht auf der ersten Größe,",
          "deren empfohlener Wellendurchmesser nicht kleiner als d ist. Zeile",
          "wählen und mit OK übernehmen; die Abmessungen b, h, d2, t1 und t2",
          "werden für die Berechnung übernommen."]),
("9520", ["Werkstoffgruppen mit fH und fS: Gruppe wählen, deren Stützfaktor fS",
          "und Härteeinflußfaktor fH für Welle, Nabe und Scheibenfeder gelten."]),
("9530", ["Wellendurchmesser: Vorzugsreihe der Wellendurchmesser. Die Tabelle",
          "steht auf dem Vorschlag; Zeile wählen und mit OK übernehmen."]),
]

INDEX = [
("ka", "Anwendungsfaktor KA"),
("fw", "Lastrichtungswechselfaktor fW"),
("fl", "Lastspitzenhäufigkeitsfaktor fL"),
("werkst", "Werkstoffe: plim = Re * fS * fH"),
]


def hlp(entries):
    b = b''
    for head, lines in entries:
        assert len(lines) <= 5, head
        b += head.encode('cp850') + b'\r\n'
        for l in lines:
            assert len(l) <= 72, l
            assert not l[:4].strip().isdigit(), l
            b += l.encode('cp850') + b'\r\n'
    return b

out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'data', 'help')
os.makedirs(out, exist_ok=True)
open(os.path.join(out, 'korvant.hlp'), 'wb').write(hlp(KORVANT))
open(os.path.join(out, 'vx11.hlp'), 'wb').write(hlp(VX11))
open(os.path.join(out, 'vx11.dbh'), 'wb').write(
    b''.join(('"%s","%s"\r\n' % e).encode('cp850') for e in INDEX))

# --- HP-GL pictures in a 120 x 160 mm window; 40 plotter units per mm ---
class Plot:
    def __init__(s):
        s.c = ['IN;', 'SP1;']
    def u(s, v): return str(int(round(v * 40)))
    def pen(s, n): s.c.append('SP%d;' % n)
    def line(s, pts):
        s.c.append('PU%s,%s;' % (s.u(pts[0][0]), s.u(pts[0][1])))
        s.c.append('PD' + ','.join('%s,%s' % (s.u(x), s.u(y)) for x, y in pts[1:]) + ';')
        s.c.append('PU;')
    def rect(s, x1, y1, x2, y2): s.line([(x1, y1), (x2, y1), (x2, y2), (x1, y2), (x1, y1)])
    def text(s, x, y, t, size=0.3, angle=0):
        # the label advances 1.5 character widths per character; keep it inside the frame
        while angle == 0 and x + len(t) * 1.5 * 0.7 * size * 10 > 116:
            size -= 0.01
        s.c.append('PU%s,%s;' % (s.u(x), s.u(y)))
        s.c.append('SI%.3f,%.3f;' % (size * 0.7, size))
        a = math.radians(angle)
        s.c.append('DI%.4f,%.4f;' % (math.cos(a), math.sin(a)))
        s.raw(b'LB' + t.encode('cp850') + b'\x03')
    def raw(s, b): s.c.append(b)
    def circle(s, x, y, r):
        s.c.append('PU%s,%s;CI%s;' % (s.u(x), s.u(y), s.u(r)))
    def arc(s, cx, cy, r, a0, sweep):
        s.c.append('PU%s,%s;PD;AA%s,%s,%.1f;PU;' % (s.u(cx + r * math.cos(math.radians(a0))),
                   s.u(cy + r * math.sin(math.radians(a0))), s.u(cx), s.u(cy), sweep))
    def axes(s, x0, y0, w, h, xlabel, ylabel):
        s.pen(1)
        s.line([(x0, y0 + h + 4), (x0, y0), (x0 + w + 4, y0)])
        s.line([(x0 - 1, y0 + h + 2), (x0, y0 + h + 4), (x0 + 1, y0 + h + 2)])
        s.line([(x0 + w + 2, y0 - 1), (x0 + w + 4, y0), (x0 + w + 2, y0 + 1)])
        s.text(x0 + w - 10, y0 - 6, xlabel, 0.3)
        s.text(x0 - 2, y0 + h + 6, ylabel, 0.3)
    def bytes(s):
        b = b''
        for c in s.c:
            b += (c if isinstance(c, bytes) else c.encode('ascii')) + b'\r\n'
        return b + b'SP0;\r\n'

def frame(p, title):
    p.pen(7); p.rect(2, 2, 118, 158)
    p.pen(2); p.text(8, 148, title, 0.45)
    p.pen(7); p.line([(2, 144), (118, 144)])

def save(name, p):
    open(os.path.join(out, name + '.plt'), 'wb').write(p.bytes())

# KA: torque over time, nominal TN and shocks; table of typical values
p = Plot(); frame(p, 'Anwendungsfaktor KA')
p.axes(14, 88, 90, 44, 'Zeit t', 'Drehmoment T')
p.pen(3)
pts = []
for i in range(0, 181):
    t = i / 2.0
    v = 16 + 2 * math.sin(t / 3.0)
    for c in (20, 50, 75):
        v += 18 * math.exp(-((t - c) ** 2) / 2.0)
    pts.append((14 + t, 88 + v))
p.line(pts)
p.pen(4); p.line([(14, 104), (104, 104)]); p.text(106, 103, 'TN', 0.3)
p.pen(5); p.line([(14, 112), (104, 112)]); p.text(106, 111, 'Teq', 0.3)
p.pen(1); p.text(14, 78, 'Teq = TN * KA', 0.4)
p.text(10, 66, 'Betrieb des Antriebs / Abtriebs', 0.3)
rows = [('gleichf\xf6rmig', '1.0'), ('leichte St\xf6\xdfe', '1.25'),
        ('m\xe4\xdfige St\xf6\xdfe', '1.5'), ('starke St\xf6\xdfe', '1.75..2.25')]
y = 60
p.pen(7); p.rect(10, 20, 110, 60)
for k, (name, ka) in enumerate(rows):
    p.pen(1); p.text(14, y - 7, name, 0.3); p.text(68, y - 7, 'KA = ' + ka, 0.3)
    y -= 10
    if k < len(rows) - 1:
        p.pen(7); p.line([(10, y), (110, y)])
p.pen(7); p.line([(64, 20), (64, 60)])
p.pen(1); p.text(10, 8, 'Richtwerte, Anwendung nach Erfahrung', 0.25)
save('ka', p)

# fW: pulsating and alternating torque
p = Plot(); frame(p, 'Lastrichtungswechselfaktor fW')
for (y0, alt, label, fw) in ((100, False, 'gleiche Lastrichtung (schwellend)', 'fW = 1.0'),
                             (34, True, 'wechselnde Lastrichtung', 'fW = 0.7')):
    p.axes(14, y0 + (20 if alt else 0), 90, 20 if not alt else 18, 'Zeit t', 'T')
    if alt:
        p.pen(1); p.line([(14, y0), (14, y0 + 20)])
    p.pen(3)
    # alternating: a sine about the time axis; pulsating: its magnitude, always one direction
    base = y0 + 20 if alt else y0
    pts = []
    for i in range(0, 181):
        t = i / 2.0
        v = 18 * math.sin(t / 90 * 4 * math.pi)
        pts.append((14 + t, base + (v if alt else abs(v))))
    p.line(pts)
    p.pen(1); p.text(14, y0 - 10, label, 0.25)
    p.pen(2); p.text(14, y0 - 17, fw, 0.3)
p.pen(1); p.text(10, 8, 'S eq = plim * fW / peq', 0.35)
save('fw', p)

# fL: factor over the number of load peaks (schematic, logarithmic axis)
p = Plot(); frame(p, 'Lastspitzenh\xe4ufigkeitsfaktor fL')
x0, y0 = 18, 60
p.axes(x0, y0, 84, 66, '', 'fL')
p.text(x0 + 30, y0 - 14, 'Anzahl der Lastspitzen', 0.3)
for k, e in enumerate(range(3, 8)):
    x = x0 + 8 + k * 18
    p.pen(7); p.line([(x, y0), (x, y0 - 2)])
    p.pen(1); p.text(x - 4, y0 - 7, '10^%d' % e, 0.25)
for v in (1.0, 1.25, 1.5):
    y = y0 + (v - 0.9) * 100
    p.pen(7); p.line([(x0 - 2, y), (x0 + 86, y)])
    p.pen(1); p.text(x0 - 15, y - 1, '%.2f' % v, 0.25)
p.pen(3)
tough = [(x0, y0 + 60), (x0 + 8, y0 + 60), (x0 + 62, y0 + 10), (x0 + 84, y0 + 10)]
p.line(tough); p.text(x0 + 30, y0 + 48, 'z\xe4he Werkstoffe', 0.28)
p.pen(5)
brittle = [(x0, y0 + 30), (x0 + 8, y0 + 30), (x0 + 62, y0 + 10), (x0 + 84, y0 + 10)]
p.line(brittle); p.text(x0 + 30, y0 + 14, 'spr\xf6de Werkstoffe', 0.28)
p.pen(1)
p.text(10, 36, 'Seltene Lastspitzen Tmax d\xfcrfen', 0.3)
p.text(10, 30, 'h\xf6her sein als h\xe4ufige.', 0.3)
p.text(10, 18, 'S max = plim * fL / pmax', 0.35)
p.text(10, 8, 'schematisch, Werte nach DIN 6892', 0.25)
save('fl', p)

# werkst: cross-section of shaft, key and hub with the permissible pressure
p = Plot(); frame(p, 'Werkstoffe und Pressung')
cx, cy = 60, 92
p.pen(4); p.circle(cx, cy, 40)          # hub outline
p.pen(3); p.circle(cx, cy, 25)          # shaft
p.pen(2)                                # key: disc segment standing in the shaft groove
p.rect(cx - 4, cy + 12, cx + 4, cy + 30)
p.pen(5); p.line([(cx - 40, cy + 34), (cx - 22, cy + 22)])
p.pen(1)
p.text(cx - 54, cy + 35, 'Nabe', 0.3)
p.text(cx - 8, cy + 2, 'Welle', 0.3)
p.text(cx + 10, cy + 26, 'Scheibenfeder', 0.3)
p.pen(2); p.arc(cx, cy, 16, 200, 140)   # torque arrow about the shaft axis
p.line([(cx + 13.0, cy - 11.5), (cx + 15.0, cy - 5.5), (cx + 9.5, cy - 8.0)])
p.text(cx + 17, cy - 16, 'T', 0.35)
p.pen(1)
p.text(10, 40, 'plim = Re * fS * fH', 0.45)
p.text(10, 30, 'Re  Streckgrenze (spr\xf6de: Rm)', 0.3)
p.text(10, 23, 'fS  St\xfctzfaktor', 0.3)
p.text(10, 16, 'fH  H\xe4rteeinflu\xdffaktor', 0.3)
p.text(10, 8, 'je Welle, Nabe und Scheibenfeder', 0.25)
save('werkst', p)
