#!/usr/bin/env python3
"""Prefills translations from the sources' spelling (Portuguese before 1990).

    scripts/prefill-translations.py ts FILE.ts pt_PT|pt_BR [EARLIER.ts ...]
        fills every unfinished message of a Qt Linguist file: with the
        translation the same text has elsewhere in it or in an earlier
        version of it (a text moved to another context), else respelt;
    scripts/prefill-translations.py table SOURCE.txt pt_PT|pt_BR > OUT.txt
        writes a sentence table with its templates respelt.

It only proposes: the 1990 spelling is mostly a matter of words, but Brazilian
Portuguese is a language of its own, with its words ("tela", "arquivo",
"coeficiente angular") and its turns of phrase. Every entry it writes is to be
read and corrected; the .ts files and the tables are the data, not this script.
"""
import re
import sys
import xml.etree.ElementTree as ET

# Words the 1990 agreement respells in Portugal and Brazil alike.
AO90 = {
    "recta": "reta", "rectas": "retas", "rectângulo": "retângulo", "rectângulos": "retângulos",
    "recto": "reto", "rectos": "retos", "recta-1": "reta-1", "exacta": "exata",
    "exactas": "exatas", "exacto": "exato", "exactos": "exatos", "exactamente": "exatamente",
    "bissectriz": "bissetriz", "bissectrizes": "bissetrizes", "director": "diretor",
    "directores": "diretores", "vector": "vetor", "vectores": "vetores",
    "vectorial": "vetorial", "factor": "fator", "factores": "fatores",
    "factorização": "fatorização", "projecção": "projeção", "projecções": "projeções",
    "projectou": "projetou", "projectar": "projetar", "projecta": "projeta",
    "correcções": "correções", "correcção": "correção", "correcto": "correto",
    "correcta": "correta", "incorrecto": "incorreto", "incorrecta": "incorreta",
    "subtracção": "subtração", "subtracções": "subtrações", "fracção": "fração",
    "fracções": "frações", "fraccionária": "fracionária", "fraccionárias": "fracionárias",
    "intersecção": "interseção", "intersecções": "interseções", "direcção": "direção",
    "direcções": "direções", "selecção": "seleção", "seleccionar": "selecionar",
    "seleccione": "selecione", "acção": "ação", "acções": "ações", "actual": "atual",
    "actualizar": "atualizar", "actualiza": "atualiza", "efectua": "efetua",
    "efectuar": "efetuar", "óptimo": "ótimo", "objecto": "objeto", "objectos": "objetos",
    "colectivo": "coletivo", "excepto": "exceto", "excepção": "exceção",
    "co-seno": "cosseno", "co-senos": "cossenos", "co-tangente": "cotangente",
    "co-secante": "cossecante", "arco-co-seno": "arco-cosseno",
    "arco-co-tangente": "arco-cotangente", "arco-co-secante": "arco-cossecante",
    "semi-recta": "semirreta", "semi-rectas": "semirretas", "pára": "para",
    "vêem": "veem", "lêem": "leem", "dêem": "deem", "pólo": "polo",
}
# Where Portugal keeps a silent consonant of the pre-1990 spelling out, but
# Brazil, who pronounces it, keeps it in.
AO90_PT_ONLY = {"respectivo": "respetivo", "respectivos": "respetivos",
                "respectiva": "respetiva", "respectivas": "respetivas",
                "aspecto": "aspeto", "aspectos": "aspetos", "intersecta": "interseta",
                "intersectam": "intersetam", "intersectar": "intersetar",
                "intersectem": "intersetem", "intersecte": "intersete"}
# Brazilian words for European ones, after the respelling.
BRAZIL = {
    "abcissa": "abscissa", "abcissas": "abscissas", "ficheiro": "arquivo",
    "ficheiros": "arquivos", "binómio": "binômio", "binómios": "binômios",
    "polinómio": "polinômio", "polinómios": "polinômios", "monómio": "monômio",
    "monómios": "monômios", "económico": "econômico", "fenómeno": "fenômeno",
    "quilómetro": "quilômetro", "quilómetros": "quilômetros", "registo": "registro",
    "registos": "registros", "utilizador": "usuário", "utilizadores": "usuários",
    "guardar": "salvar", "guarda": "salva", "guardada": "salva", "guardado": "salvo",
    "guardadas": "salvas", "guardados": "salvos", "intermédio": "intermediário",
    "intermédia": "intermediária", "prima": "pressione", "carregue": "clique",
    "facto": "fato", "contacto": "contato", "secção": "seção", "secções": "seções",
    "equipa": "equipe", "ecrã": "tela", "rato": "mouse", "ficha": "lista",
    "fichas": "listas", "declive": "coeficiente angular", "declives": "coeficientes angulares",
    "língua": "idioma", "grelha": "grade", "grelhas": "grades", "aceites": "aceitos",
    "cinzenta": "cinza", "chavetas": "chaves", "truncatura": "truncamento", "cinzento": "cinza", "anónimo": "anônimo", "génio": "gênio",
    "cómodo": "cômodo", "tónico": "tônico", "bónus": "bônus", "académico": "acadêmico",
    "elevamo-los": "os elevamos", "deixamo-la": "a deixamos", "escrevemo-la": "a escrevemos",
    "escrevemo-lo": "o escrevemos", "igualamo-la": "a igualamos", "resolvemo-la": "a resolvemos",
}
# Phrases Brazil says otherwise; applied before the words, as regular expressions.
BRAZIL_PHRASES = [
    (r"\b([Aa]) ordenada na origem\b", lambda m: ("O" if m.group(1) == "A" else "o") +
     " coeficiente linear"), (r"\bda ordenada na origem\b", "do coeficiente linear"),
    (r"\bordenada na origem\b", "coeficiente linear"), (r"\bpassam em\b", "passam por"),
    (r"\bpassar em\b", "passar por"), (r"\bpela mesma ordem\b", "na mesma ordem"),
    (r"\b(ângulo|ângulos) de duas retas\b", r"\1 entre duas retas"),
    (r"\b(ângulo|ângulos) das retas\b", r"\1 entre as retas"),
    (r"\b(ângulo|ângulos) das rectas\b", r"\1 entre as rectas"),
    (r"\b(ângulo|ângulos) de duas rectas\b", r"\1 entre duas rectas"),
    (r"\b(\w+) escreve-se\b", r"\1 se escreve"), (r"\bobtém-se\b", "é obtido"),
    (r"\bem ecrã inteiro\b", "em tela cheia"), (r"\bEcrã inteiro\b", "Tela cheia"),
    (r"\becrã inteiro\b", "tela cheia"), (r"\bno ecrã\b", "na tela"), (r"\bo ecrã\b", "a tela"),
    (r"\bdo ecrã\b", "da tela"), (r"\bao ecrã\b", "à tela"),
    (r"\bem ordem a\b", "em relação a"), (r"\bensino secundário\b", "ensino médio"),
    (r"\ba (azul|vermelho|verde|preto|cinzento)\b", r"em \1"),
    (r"\bdemasiado (\w+)", r"\1 demais"), (r"\bRecorde:", "Lembre-se:"),
    (r"\bAbandonar o programa\b", "Sair do programa"),
    (r"\bpré-visualização\b", "visualização de impressão"),
    (r"\bPré-visualização\b", "Visualização de impressão"),
    (r"\bCarregue em\b", "Clique em"), (r"\bcarregue em\b", "clique em"),
    (r"\bPrima\b", "Pressione"), (r"\bPerante\b", "Diante de"),
    (r"\breferencial cartesiano\b", "plano cartesiano"), (r"\bPorque não\b", "Por que não"), (r"\bpassa num\b", "passa por um"),
    (r"\bpassa nos\b", "passa pelos"), (r"\bPassa nos\b", "Passa pelos"), (r"\bpassa em\b", "passa por"),
    (r"\bpassa no ponto\b", "passa pelo ponto"), (r"\bpassa na origem\b", "passa pela origem"),
    (r"\bsão tg a\b", "são tangentes a"), (r"\btg (a|à)\b", r"tangente \1"), (r"\bnuma\b", "em uma"),
    (r"\bnum\b", "em um"), (r"\bdos seus\b", "de seus"), (r"\bdas suas\b", "de suas"),
    (r"\b([Aa]) sua\b", "sua"), (r"\b([Oo]) seu\b", "seu"), (r"\bgrelha\b", "grade"),
    (r"\bno seu\b", "em seu"), (r"\bna sua\b", "em sua"), (r"\bnos seus\b", "em seus"),
    (r"\bmais pequena\b", "menor"), (r"\bmais pequeno\b", "menor"),
    (r"\bambiente de trabalho\b", "sistema"), (r"\baceite\b", "aceito"),
    (r"\bVer se\b", "Verificar se"), (r"\bÂngulo de duas\b", "Ângulo entre duas"),
    (r"\bUtilização:", "Uso:"), (r"\bN\.º", "Nº"), (r"(\d)\.º", r"\1º"), (r"«", "“"), (r"»", "”"),
]


def respell(word, table):
    """The word respelt, keeping its case: all capitals, a capital, or none."""
    low = word.lower()
    if low not in table:
        if "-" in word:  # "intersectam-se": each part
            return "-".join(respell(part, table) for part in word.split("-"))
        return word
    new = table[low]
    if word.isupper() and len(word) > 1:
        return new.upper()
    if word[0].isupper():
        return new[0].upper() + new[1:]
    return new


def translate(text, target):
    tables = [AO90] + ([AO90_PT_ONLY] if target == "pt_PT" else [])
    if target == "pt_BR":
        for pattern, replacement in BRAZIL_PHRASES:
            text = re.sub(pattern, replacement, text)

    def word(match):
        w = match.group(0)
        for table in tables:
            w = respell(w, table)
        if target == "pt_BR":
            w = respell(w, BRAZIL)
        return w

    # Slots in braces, such as {vector}, are names, not words.
    pieces = re.split(r"(\{[^}]*\})", text)
    return "".join(p if p.startswith("{") else
                   re.sub(r"[A-Za-zÀ-ÿ]+(?:-[A-Za-zÀ-ÿ]+)*", word, p) for p in pieces)


def known_translations(paths):
    """Each source text's finished translation in these files, when it has only one."""
    known = {}
    for path in paths:
        for message in ET.parse(path).getroot().iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                continue
            known.setdefault(message.findtext("source"), set()).add(translation.text)
    return {source: texts.pop() for source, texts in known.items() if len(texts) == 1}


def fill_ts(path, target, earlier=()):
    known = known_translations([path, *earlier])
    tree = ET.parse(path)
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") != "unfinished":
            continue
        source = message.findtext("source")
        translation.text = known.get(source) or translate(source, target)
        del translation.attrib["type"]
    tree.write(path, encoding="utf-8", xml_declaration=True)


def fill_table(path, target):
    for line in open(path, encoding="utf-8"):
        if "=" in line and not line.startswith("#"):
            key, template = line.split("=", 1)
            line = key + "=" + translate(template, target)
        sys.stdout.write(line)


if __name__ == "__main__":
    kind, path, target = sys.argv[1:4]
    if kind == "ts":
        fill_ts(path, target, sys.argv[4:])
    else:
        fill_table(path, target)
