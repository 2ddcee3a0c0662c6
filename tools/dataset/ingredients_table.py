"""The ingredients of the bundled data set, in file order (ingredient 1 first).

Each row: Russian display name, Latin second name, the emoji the picture is
drawn from, a hue shift in degrees that tells apart ingredients drawn from the
same emoji, weight, price, and the keys of the four effects (effects_table).
Base magnitudes and durations come from the effect's defaults, varied per
ingredient in make_dataset.py.
"""

from collections import namedtuple

Ingredient = namedtuple("Ingredient", "name latin emoji hue weight cost effects")


def I(name, latin, emoji, hue, weight, cost, effects):
    return Ingredient(name, latin, emoji, hue, weight, cost, effects.split())


# Display name and second name of the placeholder ingredient 0.
PLACEHOLDER_NAME = "Нет"
PLACEHOLDER_LATIN = "Nihil"

INGREDIENTS = [
    # --- mushrooms ---
    I("Лунная поганка", "Amanita lunaris", "🍄", 180, 0.2, 6, "RM NV VL FM"),
    I("Кровавый груздь", "Lactarius cruentus", "🍄", 0, 0.25, 4, "RH WDEF GH VF"),
    I("Серая трутовица", "Fomes cinereus", "🍄", 30, 0.5, 3, "FDEF FCR DM SC"),
    I("Синий ложноопёнок", "Hypholoma caeruleum", "🍄", 220, 0.2, 5, "RM GM DS VL"),
    I("Бледный сморчок", "Morchella pallida", "🍄", 55, 0.1, 7, "SD CD DGH FS"),
    I("Чёрный рогатик", "Clavaria nigra", "🍄", 275, 0.1, 18, "PSN INV DGM FSN"),
    I("Светящийся опёнок", "Armillaria lucens", "🍄", 100, 0.2, 9, "GLW NV RM WSP"),
    # --- roots and bulbs ---
    I("Огненный корень", "Radix ignea", "🥕", 0, 0.5, 5, "SF FS FAR VC"),
    I("Немой корень", "Radix muta", "🫚", 0, 0.5, 14, "NSI SC WSP GM"),
    I("Горный чеснок", "Allium montanum", "🧄", 0, 0.25, 2, "SD SP VM DM"),
    I("Луковица плакальщицы", "Bulbus lacrimosus", "🧅", 0, 0.5, 3, "BLD WAR DGS SF"),
    I("Клубень землеройки", "Tuber fossoris", "🥔", 0, 1, 1, "FCA RS FH DM"),
    I("Сладкий батат", "Ipomoea dulcis", "🍠", 0, 1, 2, "RS GS FCA WMEL"),
    I("Человечий корень", "Radix humana", "🫚", 330, 0.5, 30, "FM GM NFE VM"),
    # --- herbs and grasses ---
    I("Серебристый шалфей", "Salvia argentea", "🌿", 0, 0.1, 4, "RM FM SM GM"),
    I("Болотная мята", "Mentha paludosa", "🌿", 60, 0.1, 2, "RS VC SP GM"),
    I("Полуночник", "Noctiflora obscura", "🌱", 0, 0.1, 8, "NV FSN GLW DGS"),
    I("Четырёхлистник", "Trifolium quaternum", "🍀", 0, 0.1, 25, "FTR FSN RH GS"),
    I("Кровяной клевер", "Trifolium sanguineum", "☘️", 0, 0.1, 3, "RH GH SD DM"),
    I("Степной ковыль", "Stipa stepposa", "🌾", 0, 0.1, 1, "FCA SPD VC FS"),
    I("Пустынный колючник", "Cactus aridus", "🌵", 0, 0.5, 6, "SF RH DS RFL"),
    I("Ломкий тростник", "Arundo fragilis", "🎋", 0, 0.25, 3, "SPD FS DGH SL"),
    I("Чёрная кувшинка", "Nymphaea tenebrosa", "🪷", 0, 0.2, 7, "WB RM DM GM"),
    I("Кровяной коралл", "Corallium sanguinis", "🪸", 0, 1, 20, "WB SP CP VL"),
    I("Горшечный вьюн", "Convolvulus domesticus", "🪴", 0, 1.5, 2, "VL RS FCA DGM"),
    # --- flowers ---
    I("Сонный цвет", "Flos somnifer", "🌸", 0, 0.1, 5, "SLW DS VM GS"),
    I("Алый огнецвет", "Flos flammeus", "🌺", 0, 0.1, 6, "SF FMEL GLW VC"),
    I("Солнечник", "Helianthus solaris", "🌻", 0, 0.25, 4, "GLW SL FH SC"),
    I("Желтоглазка", "Oculus flavus", "🌼", 0, 0.1, 3, "NV FAR GLW DGM"),
    I("Вдовий тюльпан", "Tulipa vidua", "🌷", 0, 0.1, 12, "DH PSN WDEF VP"),
    I("Увядшая роза", "Rosa marcescens", "🥀", 0, 0.1, 9, "DM DGM NFE GM"),
    I("Лиловый колокольчик", "Campanula lilacina", "🪻", 0, 0.1, 8, "RM FSP SM NSI"),
    I("Белая звёздчатка", "Stellaria alba", "💮", 0, 0.1, 4, "CD RH GH SD"),
    I("Осенняя бессмертка", "Immortella autumnalis", "🏵️", 0, 0.1, 10, "FH GH SD VM"),
    I("Луговой сбор", "Collectio pratensis", "💐", 0, 0.25, 15, "RH RS RM FTR"),
    I("Колючий шиповник", "Rosa spinosa", "🌹", 0, 0.1, 5, "RH FMEL WDEF VP"),
    # --- leaves ---
    I("Палый лист", "Folium caducum", "🍂", 0, 0.1, 1, "DS SLW FDEF SC"),
    I("Кленовый багрянец", "Acer purpureus", "🍁", 0, 0.1, 2, "SF FAR GS DGH"),
    I("Ветреный лист", "Folium ventosum", "🍃", 0, 0.1, 4, "SPD SL FAR DM"),
    # --- berries and fruit ---
    I("Ведьмина черника", "Vaccinium sagae", "🫐", 0, 0.1, 5, "RM NV GM VM"),
    I("Дикий виноград", "Vitis silvestris", "🍇", 0, 0.25, 3, "RS GS FS DM"),
    I("Волчья вишня", "Cerasus lupina", "🍒", 0, 0.1, 4, "DH PSN VC SLW"),
    I("Лесная земляника", "Fragaria silvestris", "🍓", 0, 0.1, 3, "RH FM GH SD"),
    I("Кислое яблоко", "Malus acerba", "🍏", 0, 0.25, 2, "RS SP DGM FS"),
    I("Румяное яблоко", "Malus rubicunda", "🍎", 0, 0.25, 3, "RS FH GS SL"),
    I("Груша-дичок", "Pyrus agrestis", "🍐", 0, 0.25, 2, "VL FCA FS SC"),
    I("Горький цитрон", "Citrus amara", "🍋", 0, 0.25, 6, "SD CD VC FSP"),
    I("Огненный апельсин", "Aurantium igneum", "🍊", 0, 0.25, 8, "SF FTR VC FMEL"),
    I("Сонный персик", "Persica somnifera", "🍑", 0, 0.25, 7, "SLW GS WMEL DGS"),
    I("Шипастый плод", "Fructus spinosus", "🍍", 0, 1, 9, "RFL FDEF DS RH"),
    I("Болотный томат", "Solanum paludosum", "🍅", 0, 0.25, 3, "DH PSN VP VC"),
    I("Горная маслина", "Olea montana", "🫒", 0, 0.1, 10, "FSP RM FCR VL"),
    I("Жгучий перец", "Capsicum urens", "🌶️", 0, 0.1, 4, "SC FMEL DH SPD"),
    I("Тёмный баклажан", "Solanum obscurum", "🍆", 0, 0.5, 4, "DM WSP FSN NV"),
    I("Огурец-пустоцвет", "Cucumis sterilis", "🥒", 0, 0.5, 1, "RS WB SC DGH"),
    I("Степная дыня", "Melo stepposa", "🍈", 0, 2.5, 5, "RS FCA GS FM"),
    I("Водяная ягода", "Bacca aquatica", "🍉", 0, 2.5, 4, "WB RS FM VL"),
    I("Мохнатый плод", "Fructus hirsutus", "🥝", 0, 0.25, 6, "SD GS FSP SLW"),
    # --- nuts, seeds and pods ---
    I("Конский каштан", "Castanea equina", "🌰", 0, 0.1, 2, "FDEF FH WMEL SC"),
    I("Земляной орех", "Arachis terrestris", "🥜", 0, 0.1, 1, "RS FCA FS DGM"),
    I("Ведьмины бобы", "Fabae sagae", "🫘", 0, 0.1, 11, "DM DGM VM NRA"),
    I("Шипучий горох", "Pisum fervens", "🫛", 0, 0.1, 2, "VL SPD DGS FS"),
    I("Золотой початок", "Spica aurea", "🌽", 0, 0.5, 4, "FTR GLW FH FCR"),
    # --- bones, skulls, feathers, eggs ---
    I("Кость падальщика", "Os vulturis", "🦴", 0, 0.5, 3, "DH FDEF SD DGH"),
    I("Череп болотника", "Calvaria paludis", "💀", 0, 2, 12, "NFE DM WSP VM"),
    I("Черепная пыль", "Pulvis calvariae", "☠️", 0, 0.1, 16, "DH NFE DGH VP"),
    I("Перо сыча", "Penna noctuae", "🪶", 0, 0.1, 5, "NV FSN SPD FAR"),
    I("Когти филина", "Ungues bubonis", "🦉", 0, 0.1, 9, "NV FAR FMEL WSP"),
    I("Яйцо болотной курицы", "Ovum paludis", "🥚", 0, 0.2, 2, "RS FH GH VL"),
    I("Яйца пересмешника", "Ova mimi", "🪺", 0, 0.25, 7, "RM GM FSP WAR"),
    # --- fish and sea creatures ---
    I("Чешуя плотвы", "Squama rutili", "🐟", 0, 0.1, 2, "WB SC SL VF"),
    I("Полосатый окунёк", "Percula striata", "🐠", 0, 0.25, 4, "WB GS SL DM"),
    I("Иглобрюх", "Tetrodon acutus", "🐡", 0, 0.5, 22, "PSN PAR DS WB"),
    I("Плавник акулы", "Pinna squali", "🦈", 0, 1, 14, "FMEL GH SPD VC"),
    I("Чернила спрута", "Atramentum polypi", "🐙", 0, 0.2, 25, "INV WB BLD FSN"),
    I("Щупальце кальмара", "Tentaculum teuthis", "🦑", 0, 0.5, 6, "WB SLW DS SL"),
    I("Речная креветка", "Caridina fluvialis", "🦐", 0, 0.1, 3, "RS WB GS VC"),
    I("Клешня омара", "Chela homari", "🦞", 0, 0.5, 8, "FDEF FMEL SL WAR"),
    I("Жгучая медуза", "Medusa urens", "🪼", 0, 0.2, 17, "DH PAR SL BLD"),
    I("Витая раковина", "Concha torta", "🐚", 0, 0.5, 6, "WB SL RM DGS"),
    I("Жемчужная устрица", "Ostrea margaritifera", "🦪", 0, 0.5, 35, "RM FM SP DGS"),
    I("Панцирь краба", "Testa cancri", "🦀", 0, 0.5, 4, "FDEF SL VC WMEL"),
    I("Китовая амбра", "Ambra cetacea", "🐋", 0, 0.5, 60, "FTR FM GM SM"),
    # --- insects and small creatures ---
    I("Жало пчелы", "Aculeus apis", "🐝", 0, 0.1, 2, "DH SPD WDEF VP"),
    I("Крыло огнянки", "Ala papilionis ignea", "🦋", 0, 0.1, 6, "SF FM GLW WAR"),
    I("Панцирь жука-рогача", "Elytron cervi", "🪲", 0, 0.1, 5, "FDEF FCA DS WSP"),
    I("Алая божья коровка", "Coccinella rubra", "🐞", 0, 0.1, 3, "RH CD GH DGS"),
    I("Ножка сверчка", "Pes grylli", "🦗", 0, 0.1, 2, "SPD FS WAR DGM"),
    I("Яд паука-волка", "Venenum lycosae", "🕷️", 0, 0.1, 20, "PSN PAR DS FSN"),
    I("Пещерная паутина", "Tela cavernae", "🕸️", 0, 0.1, 2, "SLW BLD WAR DGS"),
    I("Хвост скорпиона", "Cauda scorpionis", "🦂", 0, 0.1, 12, "PSN DH VP SP"),
    I("Кровяной червь", "Vermis cruentus", "🪱", 0, 0.1, 3, "RH GH VL VP"),
    I("Слизь улитки", "Mucus cochleae", "🐌", 0, 0.1, 2, "SLW GH FS VL"),
    I("Лунный шелкопряд", "Bombyx lunae", "🐛", 0, 0.1, 6, "FSN GS DM SD"),
    I("Муравьиная кислота", "Acidum formicae", "🐜", 0, 0.1, 4, "DH FS WDEF VF"),
    I("Трупная муха", "Musca cadaverica", "🪰", 0, 0.1, 1, "DGH DS VP BLD"),
    I("Болотный комар", "Culex paludis", "🦟", 0, 0.1, 1, "DH DGS WMEL BLD"),
    I("Подвальный таракан", "Blatta cellaris", "🪳", 0, 0.1, 1, "SP SD WDEF FSN"),
    # --- reptiles and amphibians ---
    I("Хвост ящерицы", "Cauda lacertae", "🦎", 0, 0.1, 5, "GH RH SPD SP"),
    I("Змеиный яд", "Venenum viperae", "🐍", 0, 0.1, 15, "PSN DH SLW VP"),
    I("Кожа квакши", "Cutis ranae", "🐸", 0, 0.1, 4, "WB PSN SP VF"),
    I("Щиток черепахи", "Scutum testudinis", "🐢", 0, 1, 10, "FDEF SLW GH FH"),
    I("Кожа болотного ящера", "Cutis crocodili", "🐊", 0, 2.5, 18, "FDEF GH FMEL VF"),
    I("Драконья чешуя", "Squama draconis", "🐉", 0, 1, 120, "SF SM FH RFL"),
    # --- minerals, salts and stones ---
    I("Небесный кристалл", "Crystallum caeleste", "💎", 0, 0.25, 90, "FSP FM RM WW"),
    I("Осколок провидца", "Fragmentum vatis", "🔮", 0, 0.5, 45, "DL NV FSP GM"),
    I("Глазчатый камень", "Lapis oculatus", "🧿", 0, 0.25, 40, "DSP DL CP SM"),
    I("Болотная соль", "Sal paludis", "🧂", 0, 0.25, 3, "CP SD DS WDEF"),
    I("Камень-тяжеловес", "Lapis gravis", "🪨", 0, 2.5, 1, "FDEF SLW FCA WMEL"),
    I("Огненная соль", "Sal ignis", "🔥", 0, 0.25, 25, "SF VC FM RM"),
    I("Морозная соль", "Sal glacialis", "❄️", 0, 0.25, 25, "SC VF FM SLW"),
    I("Грозовой кремень", "Silex tonitrui", "⚡", 0, 0.5, 30, "SL SPD WAR VF"),
    I("Лунная пыль", "Pulvis lunae", "🌙", 0, 0.1, 20, "NV SPD INV DGM"),
    I("Вечный лёд", "Glacies aeterna", "🧊", 0, 1, 12, "SC VF SLW WSP"),
    I("Могильный пепел", "Cinis sepulcri", "⚱️", 0, 0.1, 8, "DSP NFE DM DGH"),
    # --- animal parts ---
    I("Дикий мёд", "Mel silvestre", "🍯", 0, 0.1, 5, "RS RH GS CD"),
    I("Волчий клык", "Dens lupi", "🦷", 0, 0.1, 6, "FMEL DH DL SPD"),
    I("Глаз пещерной рыбы", "Oculus caecus", "👁️", 0, 0.1, 10, "NV DL BLD VM"),
    I("Сердце вепря", "Cor apri", "🫀", 0, 1, 15, "FH RH GH FMEL"),
    I("Лёгкое водяного", "Pulmo nixae", "🫁", 0, 0.5, 14, "WB FS GS SP"),
    I("Мозг пещерника", "Cerebrum troglodytae", "🧠", 0, 0.5, 20, "FM GM NRA WSP"),
    I("Чёрная кровь", "Sanguis niger", "🩸", 0, 0.25, 18, "DH DGH GM NRA"),
    I("Крыло нетопыря", "Ala vespertilionis", "🦇", 0, 0.1, 6, "NV DL FSN DS"),
    I("Крысиный хвост", "Cauda ratti", "🐀", 0, 0.1, 1, "SD DGH WMEL FSN"),
    I("Волчья шерсть", "Pilus lupi", "🐺", 0, 0.1, 4, "SC FMEL NRA FS"),
    I("Медвежий жир", "Adeps ursi", "🐻", 0, 0.5, 5, "SC FH VF FCA"),
    I("Щетина вепря", "Seta apri", "🐗", 0, 0.1, 3, "FMEL FDEF DS WAR"),
    I("Иглы ежа", "Spinae erinacei", "🦔", 0, 0.1, 4, "RFL FDEF DH SP"),
    I("Заячья лапка", "Pes leporis", "🐇", 0, 0.1, 9, "SPD FAR FTR NFE"),
    I("Лисий хвост", "Cauda vulpis", "🦊", 0, 0.25, 11, "FSN FTR DS SPD"),
    I("Олений рог", "Cornu cervi", "🦌", 0, 2, 13, "FH FS FAR SC"),
    I("Погребальный воск", "Cera funebris", "🕯️", 0, 0.25, 4, "GLW NFE DGM SD"),
    # --- water and air ---
    I("Болотная пена", "Spuma paludis", "🫧", 0, 0.1, 5, "WB WW SLW DS"),
    I("Роса с паутины", "Ros telae", "💧", 0, 0.1, 7, "RM WW GM CP"),
    I("Кора железного дерева", "Cortex ferreus", "🪵", 0, 1, 6, "FDEF FH SL VF"),
    I("Еловая смола", "Resina abietis", "🌲", 0, 0.25, 3, "SD GH CD SF"),
    I("Дубовый орешек", "Galla quercus", "🌳", 0, 0.1, 3, "DGS VC WSP SP"),
]
