<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="et">
<context>
    <name>InputFields</name>
    <message>
        <source>Ristlõike kõrgus peaks olema arv: </source>
        <translation>Section height must be a number: </translation>
    </message>
    <message>
        <source>Ristlõike laius peaks olema arv: </source>
        <translation>Section width must be a number: </translation>
    </message>
    <message>
        <source>Plaadi paksus peaks olema arv: </source>
        <translation>Flange thickness must be a number: </translation>
    </message>
    <message>
        <source>Ribi laius peaks olema arv: </source>
        <translation>Web width must be a number: </translation>
    </message>
    <message>
        <source>Arvutuslik paindemoment peaks olema arv: </source>
        <translation>Design bending moment must be a number: </translation>
    </message>
    <message>
        <source>Karakteristlik paindemoment peaks olema arv: </source>
        <translation>Characteristic bending moment must be a number: </translation>
    </message>
    <message>
        <source>Kvaasipüsiv paindemoment peaks olema arv: </source>
        <translation>Quasi-permanent bending moment must be a number: </translation>
    </message>
    <message>
        <source>Roometegur peaks olema arv: </source>
        <translation>Creep coefficient must be a number: </translation>
    </message>
    <message>
        <source>Täitematerjali suurim tera peaks olema arv: </source>
        <translation>Largest aggregate size must be a number: </translation>
    </message>
    <message>
        <source>Arvutuslik põikjõud peaks olema arv: </source>
        <translation>Design shear force must be a number: </translation>
    </message>
    <message>
        <source>Harude arv peaks olema täisarv: </source>
        <translation>Number of legs must be a whole number: </translation>
    </message>
    <message>
        <source>Rangide samm peaks olema arv: </source>
        <translation>Link spacing must be a number: </translation>
    </message>
    <message>
        <source>Kaitsekihi hälve peaks olema arv: </source>
        <translation>Cover deviation must be a number: </translation>
    </message>
    <message>
        <source>Ava arvutuslik pikkus peaks olema arv: </source>
        <translation>Effective span must be a number: </translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht peaks olema arv: </source>
        <translation>Design cover must be a number: </translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Raudbetoonristlõigete dimensioneerimine (EC2)</source>
        <translation>Design of reinforced concrete sections (EC2)</translation>
    </message>
    <message>
        <source>Raudbetoonristlõike dimensioneerimine, EVS-EN 1992-1-1:2007. Ilma valikuteta avab akna, FILE-ga selle ristlõike faili.</source>
        <translation>Design of a reinforced concrete section, EVS-EN 1992-1-1:2007. Without options opens the window, with FILE that section file.</translation>
    </message>
    <message>
        <source>Kasutajaliidese ja arvutuslehtede keel selleks käivituseks: et (eesti) või en (inglise). Ilma selleta akna menüüs Keel valitud keel, muidu eesti.</source>
        <translation>Language of the interface and the calculation sheets for this run: et (Estonian) or en (English). Without it the language chosen in the window&apos;s Language menu, else Estonian.</translation>
    </message>
    <message>
        <source>Kirjutab FILE-de arvutuslehed (PDF) akent avamata. Ühe faili leht failiks OUT või, kui OUT on kaust või lõpeb märgiga /, sinna nimega FILE.pdf. Mitu faili kausta OUT (puudumisel luuakse), igaüks nimega FILE.pdf; olemasolev fail OUT neid ei võta. Ristlõike faile ega sama käivituse lehti üle ei kirjutata. Väljumiskood 0, kui kõik lehed said kirjutatud, muidu 1 ja iga vigane fail real veaväljundis.</source>
        <translation>Writes the calculation sheets (PDF) of the FILEs without opening a window. The sheet of one file goes to the file OUT or, when OUT is a folder or ends in /, into it as FILE.pdf. Several files go into the folder OUT (created when missing), each as FILE.pdf; an existing file OUT takes none. Section files and sheets of the same run are never overwritten. Exit status 0 when every sheet was written, else 1 with a line on standard error for each faulty file.</translation>
    </message>
    <message>
        <source>Kordal ristlõike fail (.kordal).</source>
        <translation>A Kordal section file (.kordal).</translation>
    </message>
    <message>
        <source>Tundmatu keel %1: et või en.</source>
        <translation>Unknown language %1: et or en.</translation>
    </message>
    <message>
        <source>Vigased argumendid.</source>
        <translation>Invalid arguments.</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message>
        <source>Ristlõiget ei saa arvutada: kontrolli mõõtmeid</source>
        <translation>Section cannot be designed: check the dimensions</translation>
    </message>
    <message>
        <source>Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a&apos;</source>
        <translation>Section cannot be designed: check the covers a and a&apos;</translation>
    </message>
    <message>
        <source>Ristlõiget ei saa arvutada: kontrolli lähteandmeid</source>
        <translation>Section cannot be designed: check the input data</translation>
    </message>
    <message>
        <source> %d rida:</source>
        <translation> %d rows:</translation>
    </message>
    <message>
        <source> 1 varras</source>
        <translation> 1 bar</translation>
    </message>
    <message>
        <source>: rangini </source>
        <translation>: to links </translation>
    </message>
    <message>
        <source>,  vardani </source>
        <translation>,  to bars </translation>
    </message>
    <message>
        <source>Kaitsekiht   </source>
        <translation>Cover   </translation>
    </message>
    <message>
        <source>tõmbes</source>
        <translation>tension</translation>
    </message>
    <message>
        <source>survel</source>
        <translation>compression</translation>
    </message>
    <message>
        <source>Varraste vaba vahe   </source>
        <translation>Clear distance of bars   </translation>
    </message>
    <message>
        <source>Pinged   σc = %.1f MPa</source>
        <translation>Stresses   σc = %.1f MPa</translation>
    </message>
    <message>
        <source>Pragude laius   wk = %.2f mm </source>
        <translation>Crack width   wk = %.2f mm </translation>
    </message>
    <message>
        <source>Pragude laius   pragusid ei teki (Mqp = %.2f ≤ Mcr = %.2f kNm)</source>
        <translation>Crack width   no cracks (Mqp = %.2f ≤ Mcr = %.2f kNm)</translation>
    </message>
    <message>
        <source>Betooni nihkekandevõime   VRd,c = %.2f kN,  </source>
        <translation>Concrete shear resistance   VRd,c = %.2f kN,  </translation>
    </message>
    <message>
        <source>plaadil põikarmatuuri pole vaja</source>
        <translation>a slab needs no shear reinforcement</translation>
    </message>
    <message>
        <source>vaja põikarmatuuri</source>
        <translation>shear reinforcement needed</translation>
    </message>
    <message>
        <source>piisab miinimumist</source>
        <translation>the minimum suffices</translation>
    </message>
    <message>
        <source>Valitud rangid: ø%d, n = %d, s = </source>
        <translation>Chosen links: ø%d, n = %d, s = </translation>
    </message>
    <message>
        <source>Ristlõige on nihkele liiga väike: Vsd &gt; VRd,max = %.2f kN</source>
        <translation>Section too small for the shear: Vsd &gt; VRd,max = %.2f kN</translation>
    </message>
    <message>
        <source>Vajalik põikarmatuur   puudub (plaat, Vsd ≤ VRd,c)</source>
        <translation>Required shear reinforcement   none (slab, Vsd ≤ VRd,c)</translation>
    </message>
    <message>
        <source>Vajalik põikarmatuur   Asw/s = %.2f cm2/m,  cotθ = %.2f,  VRd,max = %.2f kN</source>
        <translation>Required shear reinforcement   Asw/s = %.2f cm2/m,  cotθ = %.2f,  VRd,max = %.2f kN</translation>
    </message>
    <message>
        <source>Läbipaine   leff/d = %.1f </source>
        <translation>Deflection   leff/d = %.1f </translation>
    </message>
    <message>
        <source>Ankurdus ja jätkud   </source>
        <translation>Anchorage and laps   </translation>
    </message>
    <message>
        <source>Plaadi ja ribi vaheline nihe   </source>
        <translation>Shear between flange and web   </translation>
    </message>
    <message>
        <source>Plaat on nihkele liiga õhuke: vEd = %.2f MPa &gt; %.2f MPa</source>
        <translation>Flange too thin for the shear: vEd = %.2f MPa &gt; %.2f MPa</translation>
    </message>
    <message>
        <source>lisaarmatuuri pole vaja</source>
        <translation>no additional reinforcement needed</translation>
    </message>
    <message>
        <source>Valitud tõmbearmatuur</source>
        <translation>Chosen tension bars</translation>
    </message>
    <message>
        <source>Arvutuslik tõmbearmatuur   As = %.2f cm2</source>
        <translation>Required tension reinforcement   As = %.2f cm2</translation>
    </message>
    <message>
        <source>Arvutuslik survearmatuur   As&apos; = %.2f cm2</source>
        <translation>Required compression reinforcement   As&apos; = %.2f cm2</translation>
    </message>
    <message>
        <source>Valitud survearmatuur</source>
        <translation>Chosen compression bars</translation>
    </message>
    <message>
        <source>Kandevõime valitud armatuuriga   MRd = %.2f kNm,  Msd/MRd = %.2f</source>
        <translation>Bending resistance, chosen bars   MRd = %.2f kNm,  Msd/MRd = %.2f</translation>
    </message>
    <message>
        <source>,  tõmbearmatuur ei voola (x/d = %.2f)</source>
        <translation>,  tension bars do not yield (x/d = %.2f)</translation>
    </message>
    <message>
        <source>lihttala</source>
        <translation>simply supported</translation>
    </message>
    <message>
        <source>jätkuva tala otsaava</source>
        <translation>continuous end span</translation>
    </message>
    <message>
        <source>jätkuva tala vaheava</source>
        <translation>continuous interior span</translation>
    </message>
    <message>
        <source>konsool</source>
        <translation>cantilever</translation>
    </message>
    <message>
        <source>Konstruktsiooniklass S%d,  cmin,dur = %.0f mm</source>
        <translation>Structural class S%d,  cmin,dur = %.0f mm</translation>
    </message>
    <message>
        <source>ei mahu ühte ritta: vaba vahe </source>
        <translation>do not fit in one row: clear distance </translation>
    </message>
    <message>
        <source>ei mahu kahte ritta: vaba vahe </source>
        <translation>do not fit in two rows: clear distance </translation>
    </message>
    <message>
        <source>ei mahu kolme ritta: vaba vahe </source>
        <translation>do not fit in three rows: clear distance </translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Raudbetoonristlõike dimensioneerimine</source>
        <translation>Design of a reinforced concrete section</translation>
    </message>
    <message>
        <source>salvestamata</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Fail: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Ribiplaatristlõige</source>
        <translation>Ribbed slab section</translation>
    </message>
    <message>
        <source>Ristkülikristlõige</source>
        <translation>Rectangular section</translation>
    </message>
    <message>
        <source>ei piisa</source>
        <translation>not OK</translation>
    </message>
    <message>
        <source>piisab</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>, %d rida</source>
        <translation>, %d rows</translation>
    </message>
    <message>
        <source>1. Lähteandmed</source>
        <translation>1. Input data</translation>
    </message>
    <message>
        <source>Ristlõike kogukõrgus</source>
        <translation>Overall depth of the section</translation>
    </message>
    <message>
        <source>Plaadi laius</source>
        <translation>Width of the flange</translation>
    </message>
    <message>
        <source>Plaadi paksus</source>
        <translation>Thickness of the flange</translation>
    </message>
    <message>
        <source>Ribi laius</source>
        <translation>Width of the web</translation>
    </message>
    <message>
        <source>Ristlõike kõrgus</source>
        <translation>Height of the section</translation>
    </message>
    <message>
        <source>Ristlõike laius</source>
        <translation>Width of the section</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht, tõmbearmatuur</source>
        <translation>Design cover, tension reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht, survearmatuur</source>
        <translation>Design cover, compression reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik paindemoment</source>
        <translation>Design bending moment</translation>
    </message>
    <message>
        <source>Betooni klass</source>
        <translation>Concrete class</translation>
    </message>
    <message>
        <source>Tõmbearmatuuri klass</source>
        <translation>Class of the tension reinforcement</translation>
    </message>
    <message>
        <source>Survearmatuuri klass</source>
        <translation>Class of the compression reinforcement</translation>
    </message>
    <message>
        <source>2. Materjalide arvutusväärtused</source>
        <translation>2. Design values of the materials</translation>
    </message>
    <message>
        <source>Betoon </source>
        <translation>Concrete </translation>
    </message>
    <message>
        <source>Tõmbearmatuur </source>
        <translation>Tension steel </translation>
    </message>
    <message>
        <source>Survearmatuur </source>
        <translation>Compression steel </translation>
    </message>
    <message>
        <source>3. Tulemused</source>
        <translation>3. Results</translation>
    </message>
    <message>
        <source>Armatuuri piirväärtused   As,min = %.2f cm2,  As,max = %.2f cm2</source>
        <translation>Limits of reinforcement   As,min = %.2f cm2,  As,max = %.2f cm2</translation>
    </message>
    <message>
        <source>Arvutuslik survearmatuur   ei ole vajalik</source>
        <translation>Required compression reinforcement   not needed</translation>
    </message>
    <message>
        <source>%1 ei saa kontrollida: kontrolli lähteandmeid</source>
        <translation>%1 cannot be checked: check the input data</translation>
    </message>
    <message>
        <source>Pragunenud ristlõige, Mk   </source>
        <translation>Cracked section, Mk   </translation>
    </message>
    <message>
        <source>Pragunenud ristlõige, Mqp   </source>
        <translation>Cracked section, Mqp   </translation>
    </message>
    <message>
        <source>Pragude laiuse arvutus   hc,ef = %.1f mm,  ρp,eff = %.2f %%,  εsm − εcm = %.3f ‰</source>
        <translation>Crack width calculation   hc,ef = %.1f mm,  ρp,eff = %.2f %%,  εsm − εcm = %.3f ‰</translation>
    </message>
    <message>
        <source>,  välimises reas üks varras</source>
        <translation>,  one bar in the outer row</translation>
    </message>
    <message>
        <source>Pragude vahekaugus   </source>
        <translation>Crack spacing   </translation>
    </message>
    <message>
        <source>5. Kasutuspiirseisund</source>
        <translation>5. Serviceability limit state</translation>
    </message>
    <message>
        <source>Karakteristlik paindemoment</source>
        <translation>Characteristic bending moment</translation>
    </message>
    <message>
        <source>Kvaasipüsiv paindemoment</source>
        <translation>Quasi-permanent bending moment</translation>
    </message>
    <message>
        <source>Roometegur</source>
        <translation>Creep coefficient</translation>
    </message>
    <message>
        <source>Täitematerjali suurim tera</source>
        <translation>Largest aggregate size</translation>
    </message>
    <message>
        <source>Betooni elastsusmoodul</source>
        <translation>Modulus of elasticity of concrete</translation>
    </message>
    <message>
        <source>Efektiivne elastsusmoodul (roomega)</source>
        <translation>Effective modulus (with creep)</translation>
    </message>
    <message>
        <source>Keskkonnaklass</source>
        <translation>Exposure class</translation>
    </message>
    <message>
        <source>Projekteeritud kasutusiga</source>
        <translation>Design working life</translation>
    </message>
    <message>
        <source>%d aastat</source>
        <translation>%d years</translation>
    </message>
    <message>
        <source>Kaitsekihi hälve</source>
        <translation>Allowance for deviation of the cover</translation>
    </message>
    <message>
        <source>Konstruktsiooniklass</source>
        <translation>Structural class</translation>
    </message>
    <message>
        <source>Kaitsekihi miinimum keskkonnatingimustest</source>
        <translation>Minimum cover for durability</translation>
    </message>
    <message>
        <source>Kasutuspiirseisundit</source>
        <translation>Serviceability</translation>
    </message>
    <message>
        <source>6. Põikjõud</source>
        <translation>6. Shear</translation>
    </message>
    <message>
        <source>Arvutuslik põikjõud</source>
        <translation>Design shear force</translation>
    </message>
    <message>
        <source>Rangide klass</source>
        <translation>Link class</translation>
    </message>
    <message>
        <source>Rangide voolavuspiir</source>
        <translation>Yield strength of the links</translation>
    </message>
    <message>
        <source>Rangide arvutuslik voolavuspiir</source>
        <translation>Design yield strength of the links</translation>
    </message>
    <message>
        <source>Rangide läbimõõt</source>
        <translation>Diameter of the links</translation>
    </message>
    <message>
        <source>Harude arv</source>
        <translation>Number of legs</translation>
    </message>
    <message>
        <source>Rangide samm</source>
        <translation>Spacing of the links</translation>
    </message>
    <message>
        <source>Põikjõudu</source>
        <translation>Shear</translation>
    </message>
    <message>
        <source>7. Ava ja detailid</source>
        <translation>7. Span and detailing</translation>
    </message>
    <message>
        <source>Ava arvutuslik pikkus</source>
        <translation>Effective span</translation>
    </message>
    <message>
        <source>Toetusskeem</source>
        <translation>Structural system</translation>
    </message>
    <message>
        <source>Vaheseinad, mida suur läbipaine kahjustab</source>
        <translation>Partitions liable to be damaged by deflection</translation>
    </message>
    <message>
        <source>jah</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ei</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Läbipainet</source>
        <translation>Deflection</translation>
    </message>
    <message>
        <source>Ankurduspikkust</source>
        <translation>Anchorage length</translation>
    </message>
    <message>
        <source>Plaadi ja ribi vahelist nihet</source>
        <translation>Shear between flange and web</translation>
    </message>
    <message>
        <source>4. Ristlõige</source>
        <translation>4. Section</translation>
    </message>
    <message>
        <source>mõõtkava 1:</source>
        <translation>scale 1:</translation>
    </message>
    <message>
        <source>hall – survetsoon, kriipspunktjoon – neutraaltelg, punane – tõmbearmatuur, sinine – survearmatuur</source>
        <translation>grey – compression zone, dash-dot line – neutral axis, red – tension reinforcement, blue – compression reinforcement</translation>
    </message>
    <message>
        <source>, roheline – rangid</source>
        <translation>, green – links</translation>
    </message>
    <message>
        <source>Leht %1/%2</source>
        <translation>Page %1/%2</translation>
    </message>
    <message>
        <source>Arvutusmeetod: ristkülikuline pingeplokk, λ = </source>
        <translation>Method: rectangular stress block, λ = </translation>
    </message>
    <message>
        <source>; arvutatud programmiga Kordal.</source>
        <translation>; calculated with Kordal.</translation>
    </message>
    <message>
        <source>Arvutusmeetod: pragunenud elastne ristlõige; vertikaalsed rangid, 1 ≤ cotθ ≤ </source>
        <translation>Method: cracked elastic section; vertical links, 1 ≤ cotθ ≤ </translation>
    </message>
    <message>
        <source>, η1 asendi järgi; arvutatud programmiga Kordal.</source>
        <translation>, η1 by the bars&apos; position; calculated with Kordal.</translation>
    </message>
    <message>
        <source>Arvutusmeetod: leff/⁠d p&#xa0;7.4.2, K tabelist 7.4N, 310/⁠σs (7.17), tegurid </source>
        <translation>Method: leff/⁠d to clause 7.4.2, K from Table 7.4N, 310/⁠σs (7.17), factors </translation>
    </message>
    <message>
        <source> (b/⁠bw &gt; 3) ja 7/⁠leff (leff &gt; 7&#xa0;m, vaheseinad); sirged vardad arvutuspingel, α1…α5 = 1, α6 = </source>
        <translation> (b/⁠bw &gt; 3) and 7/⁠leff (leff &gt; 7 m, partitions); straight bars at the design stress, α1…α5 = 1, α6 = </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Kordal</source>
        <translation>About Kordal</translation>
    </message>
    <message>
        <source>Raudbetoonristlõigete dimensioneerimine</source>
        <translation>Design of reinforced concrete sections</translation>
    </message>
    <message>
        <source>Versioon 5.0 (EVS 1992-1-1:2007)</source>
        <translation>Version 5.0 (EVS 1992-1-1:2007)</translation>
    </message>
    <message>
        <source>Ristkülik- ja ribiplaatristlõiked</source>
        <translation>Rectangular and ribbed slab sections</translation>
    </message>
    <message>
        <source>Memory Available to Windows:</source>
        <translation>Memory Available to Windows:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TArmTabelForm</name>
    <message>
        <source>Armatuuri valik</source>
        <translation>Choice of bars</translation>
    </message>
    <message>
        <source>Armatuurvarraste ristlõikepindala (cm2)</source>
        <translation>Cross-sectional area of the bars (cm2)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>D \ Arv</source>
        <translation>D \ n</translation>
    </message>
</context>
<context>
    <name>TMainKordalForm</name>
    <message>
        <source>Raudbetoonristlõigete dimensioneerimine (EVS-EN 1992-1-1:2007)</source>
        <translation>Design of reinforced concrete sections (EVS-EN 1992-1-1:2007)</translation>
    </message>
    <message>
        <source>Ristkülikristlõige</source>
        <translation>Rectangular section</translation>
    </message>
    <message>
        <source>Ristlõikemõõtmed</source>
        <translation>Section dimensions</translation>
    </message>
    <message>
        <source>Ristlõike kõrgus h =</source>
        <translation>Section height h =</translation>
    </message>
    <message>
        <source>Ristlõike kõrgus h (mm)</source>
        <translation>Height of the section h (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Ristlõike laius b =</source>
        <translation>Section width b =</translation>
    </message>
    <message>
        <source>Ristlõike laius b (mm)</source>
        <translation>Width of the section b (mm)</translation>
    </message>
    <message>
        <source>Ribiplaatristlõige</source>
        <translation>Ribbed slab section</translation>
    </message>
    <message>
        <source>Kogukõrgus h =</source>
        <translation>Overall depth h =</translation>
    </message>
    <message>
        <source>Ristlõike kogukõrgus h (mm)</source>
        <translation>Overall depth of the section h (mm)</translation>
    </message>
    <message>
        <source>Plaadi laius b (mm)</source>
        <translation>Width of the flange b (mm)</translation>
    </message>
    <message>
        <source>Plaadi paksus hf =</source>
        <translation>Flange thickness hf =</translation>
    </message>
    <message>
        <source>Plaadi paksus hf (mm)</source>
        <translation>Thickness of the flange hf (mm)</translation>
    </message>
    <message>
        <source>Ribi laius bw =</source>
        <translation>Web width bw =</translation>
    </message>
    <message>
        <source>Ribi laius bw (mm)</source>
        <translation>Width of the web bw (mm)</translation>
    </message>
    <message>
        <source>Sisejõud</source>
        <translation>Internal forces</translation>
    </message>
    <message>
        <source>Arvutuslik paindemoment Msd =</source>
        <translation>Design bending moment Msd =</translation>
    </message>
    <message>
        <source>Arvutuslik paindemoment Msd (kNm)</source>
        <translation>Design bending moment Msd (kNm)</translation>
    </message>
    <message>
        <source>kNm</source>
        <translation>kNm</translation>
    </message>
    <message>
        <source>Betoon</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>Betooni klass</source>
        <translation>Concrete class</translation>
    </message>
    <message>
        <source>Tugevuse osavarutegur</source>
        <translation>Partial factor for the material</translation>
    </message>
    <message>
        <source>Silindriline normsurvetugevus</source>
        <translation>Characteristic cylinder strength</translation>
    </message>
    <message>
        <source>Arvutuslik survetugevus</source>
        <translation>Design compressive strength</translation>
    </message>
    <message>
        <source>Tegur alfa</source>
        <translation>Coefficient alfa</translation>
    </message>
    <message>
        <source>Tõmbearmatuur</source>
        <translation>Tension reinforcement</translation>
    </message>
    <message>
        <source>Armatuuri klass</source>
        <translation>Steel class</translation>
    </message>
    <message>
        <source>Tõmbearmatuuri klass</source>
        <translation>Class of the tension reinforcement</translation>
    </message>
    <message>
        <source>Normtõmbetugevus</source>
        <translation>Characteristic yield strength</translation>
    </message>
    <message>
        <source>Arvutuslik tõmbetugevus</source>
        <translation>Design yield strength</translation>
    </message>
    <message>
        <source>Elastsusmoodul</source>
        <translation>Modulus of elasticity</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht a =</source>
        <translation>Design cover a =</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht a (mm)</source>
        <translation>Design cover a to the tension bars (mm)</translation>
    </message>
    <message>
        <source>Survearmatuur</source>
        <translation>Compression reinforcement</translation>
    </message>
    <message>
        <source>Survearmatuuri klass</source>
        <translation>Class of the compression reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht a&apos; =</source>
        <translation>Design cover a&apos; =</translation>
    </message>
    <message>
        <source>Arvutuslik kaitsekiht a&apos; (mm)</source>
        <translation>Design cover a&apos; to the compression bars (mm)</translation>
    </message>
    <message>
        <source>Kasutuspiirseisund</source>
        <translation>Serviceability limit state</translation>
    </message>
    <message>
        <source>Paindemoment (karakteristlik) Mk =</source>
        <translation>Moment (characteristic) Mk =</translation>
    </message>
    <message>
        <source>Karakteristlik paindemoment Mk (kNm)</source>
        <translation>Characteristic bending moment Mk (kNm)</translation>
    </message>
    <message>
        <source>Paindemoment (kvaasipüsiv) Mqp =</source>
        <translation>Moment (quasi-permanent) Mqp =</translation>
    </message>
    <message>
        <source>Kvaasipüsiv paindemoment Mqp (kNm)</source>
        <translation>Quasi-permanent bending moment Mqp (kNm)</translation>
    </message>
    <message>
        <source>Keskkonnaklass</source>
        <translation>Exposure class</translation>
    </message>
    <message>
        <source>Keskkonnaklass: pragude laiuse ja betooni survepinge piirid</source>
        <translation>Exposure class: the limits of crack width and of the compressive stress of concrete</translation>
    </message>
    <message>
        <source>Roometegur φ =</source>
        <translation>Creep coefficient φ =</translation>
    </message>
    <message>
        <source>Roometegur φ(∞, t0)</source>
        <translation>Creep coefficient φ(∞, t0)</translation>
    </message>
    <message>
        <source>Täitematerjali suurim tera dg =</source>
        <translation>Largest aggregate size dg =</translation>
    </message>
    <message>
        <source>Täitematerjali suurim tera dg (mm)</source>
        <translation>Largest nominal aggregate size dg (mm)</translation>
    </message>
    <message>
        <source>Betooni elastsusmoodul Ecm ja efektiivne elastsusmoodul Ec,eff = Ecm / (1 + φ)</source>
        <translation>Modulus of elasticity of concrete Ecm and effective modulus Ec,eff = Ecm / (1 + φ)</translation>
    </message>
    <message>
        <source>Projekteeritud kasutusiga</source>
        <translation>Design working life</translation>
    </message>
    <message>
        <source>Projekteeritud kasutusiga: konstruktsiooniklass ja kaitsekihi nõue (4.4.1.2)</source>
        <translation>Design working life: the structural class and the cover required (4.4.1.2)</translation>
    </message>
    <message>
        <source>50 aastat</source>
        <translation>50 years</translation>
    </message>
    <message>
        <source>100 aastat</source>
        <translation>100 years</translation>
    </message>
    <message>
        <source>Kaitsekihi hälve Δcdev =</source>
        <translation>Cover deviation Δcdev =</translation>
    </message>
    <message>
        <source>Kaitsekihi lubatud hälve Δcdev (mm), 4.4.1.3</source>
        <translation>Allowance in design for deviation of the cover Δcdev (mm), 4.4.1.3</translation>
    </message>
    <message>
        <source>Konstruktsiooniklass S4,  cmin,dur = 15 mm</source>
        <translation>Structural class S4,  cmin,dur = 15 mm</translation>
    </message>
    <message>
        <source>Konstruktsiooniklass ja kaitsekihi vähim paksus keskkonnatingimustest cmin,dur (tabelid 4.3N, 4.4N)</source>
        <translation>Structural class and the minimum cover for durability cmin,dur (Tables 4.3N, 4.4N)</translation>
    </message>
    <message>
        <source>Põikjõud</source>
        <translation>Shear</translation>
    </message>
    <message>
        <source>Arvutuslik põikjõud Vsd =</source>
        <translation>Design shear force Vsd =</translation>
    </message>
    <message>
        <source>Arvutuslik põikjõud Vsd (kN)</source>
        <translation>Design shear force Vsd (kN)</translation>
    </message>
    <message>
        <source>kN</source>
        <translation>kN</translation>
    </message>
    <message>
        <source>Rangide klass</source>
        <translation>Link class</translation>
    </message>
    <message>
        <source>Rangide armatuuri klass</source>
        <translation>Class of the links&apos; steel</translation>
    </message>
    <message>
        <source>Rangi läbimõõt</source>
        <translation>Link diameter</translation>
    </message>
    <message>
        <source>Rangi läbimõõt (mm)</source>
        <translation>Diameter of the links (mm)</translation>
    </message>
    <message>
        <source>Harude arv n =</source>
        <translation>Number of legs n =</translation>
    </message>
    <message>
        <source>Rangi harude arv ristlõikes n</source>
        <translation>Number of link legs in the section n</translation>
    </message>
    <message>
        <source>Rangide samm s =</source>
        <translation>Link spacing s =</translation>
    </message>
    <message>
        <source>Rangide samm s (mm)</source>
        <translation>Spacing of the links s (mm)</translation>
    </message>
    <message>
        <source>Ava</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Ava arvutuslik pikkus leff =</source>
        <translation>Effective span leff =</translation>
    </message>
    <message>
        <source>Ava arvutuslik pikkus leff (m), läbipainde kontrolliks ava ja kõrguse suhtega (7.4.2)</source>
        <translation>Effective span leff (m), for the deflection check by the span/effective depth ratio (7.4.2)</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Toetusskeem</source>
        <translation>Structural system</translation>
    </message>
    <message>
        <source>Toetusskeem: tegur K ava ja kõrguse suhtele (tabel 7.4N)</source>
        <translation>Structural system: factor K of the span/effective depth ratio (Table 7.4N)</translation>
    </message>
    <message>
        <source>Vaheseinad, mida suur läbipaine kahjustab</source>
        <translation>Partitions liable to be damaged by deflection</translation>
    </message>
    <message>
        <source>Vaheseinad, mida suur läbipaine kahjustab: üle 7 m avadel piirsuhe korda 7/leff (7.4.2(2))</source>
        <translation>Partitions liable to be damaged by excessive deflection: for spans over 7 m the limit times 7/leff (7.4.2(2))</translation>
    </message>
    <message>
        <source>Ristlõige</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Vajalik armatuuri ristlõikepindala</source>
        <translation>Required area of reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik tõmbearmatuur</source>
        <translation>Required tension reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik tõmbearmatuuri pindala As (cm2)</source>
        <translation>Required area of tension reinforcement As (cm2)</translation>
    </message>
    <message>
        <source>Valik&gt;</source>
        <translation>Bars&gt;</translation>
    </message>
    <message>
        <source>Tõmbearmatuuri valimine</source>
        <translation>Choose the tension bars</translation>
    </message>
    <message>
        <source>Valitud tõmbearmatuur: 3 x 20, As,prov = 9.42 cm2</source>
        <translation>Chosen tension bars: 3 x 20, As,prov = 9.42 cm2</translation>
    </message>
    <message>
        <source>Valitud tõmbearmatuuri kogus</source>
        <translation>Tension bars chosen</translation>
    </message>
    <message>
        <source>Arvutuslik survearmatuur</source>
        <translation>Required compression reinforcement</translation>
    </message>
    <message>
        <source>Arvutuslik survearmatuuri pindala As&apos; (cm2)</source>
        <translation>Required area of compression reinforcement As&apos; (cm2)</translation>
    </message>
    <message>
        <source>Survearmatuuri valimine</source>
        <translation>Choose the compression bars</translation>
    </message>
    <message>
        <source>Valitud survearmatuur: 2 x 12, As,prov = 2.26 cm2</source>
        <translation>Chosen compression bars: 2 x 12, As,prov = 2.26 cm2</translation>
    </message>
    <message>
        <source>Valitud survearmatuuri kogus</source>
        <translation>Compression bars chosen</translation>
    </message>
    <message>
        <source>Kandevõime valitud armatuuriga</source>
        <translation>Bending resistance with the chosen bars</translation>
    </message>
    <message>
        <source>Valitud armatuuriga ristlõike paindekandevõime ja kasutusaste</source>
        <translation>Bending resistance of the section with the chosen bars, and its utilisation</translation>
    </message>
    <message>
        <source>Varraste vaba vahe</source>
        <translation>Clear distance between bars</translation>
    </message>
    <message>
        <source>Varraste vaba vahe ühes reas: tõmbe- ja survearmatuur (EVS-EN 1992-1-1, 8.2)</source>
        <translation>Clear distance between the bars of a row: tension and compression bars (EVS-EN 1992-1-1, 8.2)</translation>
    </message>
    <message>
        <source>Pinged</source>
        <translation>Stresses</translation>
    </message>
    <message>
        <source>Pinged kasutuskoormusel: betoon ja armatuur karakteristliku, betoon kvaasipüsiva momendiga (7.2)</source>
        <translation>Stresses in service: concrete and steel under the characteristic, concrete under the quasi-permanent moment (7.2)</translation>
    </message>
    <message>
        <source>Pragude laius</source>
        <translation>Crack width</translation>
    </message>
    <message>
        <source>Pragude laius kvaasipüsiva momendiga (7.3.4)</source>
        <translation>Crack width under the quasi-permanent moment (7.3.4)</translation>
    </message>
    <message>
        <source>Betooni nihkekandevõime</source>
        <translation>Shear resistance of concrete</translation>
    </message>
    <message>
        <source>Betooni nihkekandevõime VRd,c; valitud tõmbearmatuur loetakse ankurdatuks väljaspool ristlõiget (6.2.2)</source>
        <translation>Shear resistance of the concrete VRd,c; the chosen tension bars taken as anchored beyond the section (6.2.2)</translation>
    </message>
    <message>
        <source>Vajalik põikarmatuur</source>
        <translation>Required shear reinforcement</translation>
    </message>
    <message>
        <source>Vajalik põikarmatuur Asw/s, survediagonaalide kalle ja kandevõime VRd,max (6.2.3)</source>
        <translation>Required shear reinforcement Asw/s, the inclination of the struts and their resistance VRd,max (6.2.3)</translation>
    </message>
    <message>
        <source>Valitud rangid</source>
        <translation>Chosen links</translation>
    </message>
    <message>
        <source>Valitud rangid, nende nihkekandevõime VRd,s ja suurim samm 0.75d (9.2.2)</source>
        <translation>Chosen links, their shear resistance VRd,s and the largest spacing 0.75d (9.2.2)</translation>
    </message>
    <message>
        <source>Tõmbearmatuuri ridade arv (ridade vaba vahe 8.2(2))</source>
        <translation>Rows of the tension bars (clear distance between the rows 8.2(2))</translation>
    </message>
    <message>
        <source>1 rida</source>
        <translation>1 row</translation>
    </message>
    <message>
        <source>2 rida</source>
        <translation>2 rows</translation>
    </message>
    <message>
        <source>3 rida</source>
        <translation>3 rows</translation>
    </message>
    <message>
        <source>Survearmatuuri ridade arv (ridade vaba vahe 8.2(2))</source>
        <translation>Rows of the compression bars (clear distance between the rows 8.2(2))</translation>
    </message>
    <message>
        <source>Kaitsekiht</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Tõmbearmatuuri ja selle rangide kaitsekiht ning arvutuslik kaitsekiht a, mida valitud vardad vajavad (4.4.1)</source>
        <translation>Cover of the tension bars and of their links, and the design cover a the chosen bars need (4.4.1)</translation>
    </message>
    <message>
        <source>survel</source>
        <translation>compression</translation>
    </message>
    <message>
        <source>Survearmatuuri ja selle rangide kaitsekiht ning arvutuslik kaitsekiht a&apos;, mida valitud vardad vajavad (4.4.1)</source>
        <translation>Cover of the compression bars and of their links, and the design cover a&apos; the chosen bars need (4.4.1)</translation>
    </message>
    <message>
        <source>Plaadi ja ribi vaheline nihe</source>
        <translation>Shear between flange and web</translation>
    </message>
    <message>
        <source>Plaadi ja ribi vaheline nihe vEd ja vajalik põikarmatuur plaadis Asf/sf (6.2.4)</source>
        <translation>Shear between flange and web vEd and the transverse reinforcement required in the flange Asf/sf (6.2.4)</translation>
    </message>
    <message>
        <source>Läbipaine</source>
        <translation>Deflection</translation>
    </message>
    <message>
        <source>Ava ja kasuliku kõrguse suhe leff/d ja selle piirväärtus (7.4.2)</source>
        <translation>Span/effective depth ratio leff/d and its limit (7.4.2)</translation>
    </message>
    <message>
        <source>Ankurdus ja jätkud</source>
        <translation>Anchorage and laps</translation>
    </message>
    <message>
        <source>Sirgete varraste ankurduspikkus lbd ja ülekattepikkus l0 arvutuspingel, head nakketingimused all, α1…α5 = 1, α6 = 1.5 (8.4, 8.7)</source>
        <translation>Anchorage length lbd and lap length l0 of straight bars at the design stress, good bond conditions at the bottom, α1…α5 = 1, α6 = 1.5 (8.4, 8.7)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ristlõige</source>
        <translation>&amp;Section</translation>
    </message>
    <message>
        <source>&amp;Keel</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ava...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Ava ristlõike fail</source>
        <translation>Open a section file</translation>
    </message>
    <message>
        <source>Salvesta</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salvesta ristlõige faili</source>
        <translation>Save the section to its file</translation>
    </message>
    <message>
        <source>Salvesta kui...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Salvesta ristlõige uue nimega</source>
        <translation>Save the section under a new name</translation>
    </message>
    <message>
        <source>Ekspordi PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Salvesta arvutuslehe PDF-fail</source>
        <translation>Save the calculation sheet as a PDF file</translation>
    </message>
    <message>
        <source>Prindi...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Prindi arvutusleht</source>
        <translation>Print the calculation sheet</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Ristkülik</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Ribi&amp;plaat</source>
        <translation>Ri&amp;bbed slab</translation>
    </message>
    <message>
        <source>&amp;About Kordal ...</source>
        <translation>&amp;About Kordal ...</translation>
    </message>
    <message>
        <source>Salvestamata muudatused</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Salvesta muudatused faili %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>Ära salvesta</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hoiatus</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Kordal ristlõiked (*.kordal)</source>
        <translation>Kordal sections (*.kordal)</translation>
    </message>
    <message>
        <source>Salvesta kui</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>ristloige.kordal</source>
        <translation>section.kordal</translation>
    </message>
    <message>
        <source>Ekspordi PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>ristloige.pdf</source>
        <translation>section.pdf</translation>
    </message>
    <message>
        <source>PDF-failid (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Printerisse ei saa kirjutada.</source>
        <translation>Cannot write to the printer.</translation>
    </message>
    <message>
        <source>Ava</source>
        <comment>opening a file</comment>
        <translation>Open</translation>
    </message>
</context>
</TS>
