#!/usr/bin/env python3
"""The winget manifest, read by a YAML parser, against the manifest schema 1.6.0 (the keys each
file may and must hold, their types and values) and against the installers it describes: the
version they carry, their hashes and file names, their switches and exit codes.
Usage: winget_manifest_test.py MANIFEST_DIR WIN32_SETUP.exe WIN64_SETUP.exe"""
import hashlib, os, re, sys, urllib.parse, yaml

failures = []
def rules(required, optional):  # {key: (type, required)} from "Key:type" words
    return {word.split(':')[0]: ({'s': str, 'l': list, 'd': dict, 'i': int}[word.split(':')[1]], must)
            for words, must in ((required, True), (optional, False)) for word in words.split()}
COMMON = 'PackageIdentifier:s PackageVersion:s ManifestType:s ManifestVersion:s '
SCHEMA = {'version': rules(COMMON + 'DefaultLocale:s', ''),
          'installer': rules(COMMON + 'Installers:l', 'InstallerType:s Scope:s InstallModes:l InstallerSwitches:d '
                             'ExpectedReturnCodes:l InstallerSuccessCodes:l UpgradeBehavior:s ProductCode:s Platform:l '
                             'MinimumOSVersion:s InstallerLocale:s ReleaseDate:s AppsAndFeaturesEntries:l '
                             'ElevationRequirement:s InstallationMetadata:d Commands:l'),
          'defaultLocale': rules(COMMON + 'PackageLocale:s Publisher:s PackageName:s License:s ShortDescription:s',
                                 'PublisherUrl:s PublisherSupportUrl:s PrivacyUrl:s Author:s PackageUrl:s LicenseUrl:s '
                                 'Copyright:s CopyrightUrl:s Description:s Moniker:s Tags:l ReleaseNotes:s '
                                 'ReleaseNotesUrl:s InstallationNotes:s')}
ENTRY = rules('Architecture:s InstallerUrl:s InstallerSha256:s', 'InstallerType:s Scope:s InstallerSwitches:d ProductCode:s')
RETURN_CODE = rules('InstallerReturnCode:i ReturnResponse:s', 'ReturnResponseUrl:s')
SWITCHES = set('Silent SilentWithProgress Interactive InstallLocation Log Upgrade Custom'.split())
ENUMS = {'InstallerType': 'msix msi appx exe zip inno nullsoft wix burn pwa portable', 'Scope': 'user machine',
         'UpgradeBehavior': 'install uninstallPrevious deny', 'Architecture': 'x86 x64 arm arm64 neutral',
         'ReturnResponse': 'packageInUse packageInUseByApplication installInProgress fileInUse missingDependency '
         'diskFull insufficientMemory invalidParameter noNetwork contactSupport rebootRequiredToFinish '
         'rebootRequiredForInstall rebootInitiated cancelledByUser alreadyInstalled downgrade blockedByPolicy '
         'systemNotSupported custom'}
PLACEHOLDER_HOST = re.compile(r'(^|\.)(example(\.(com|net|org))?|invalid|test|localhost)$')  # RFC 2606, 6761

def check_keys(where, mapping, schema):  # the mapping itself, when it is one
    if not isinstance(mapping, dict):
        return failures.append(f'{where} is not a mapping')
    for key, value in mapping.items():
        if key not in schema: failures.append(f'{where}: {key} is no field of the schema')
        elif type(value) is not schema[key][0]: failures.append(f'{where}: {key} is a {type(value).__name__}')
        elif key in ENUMS and value not in ENUMS[key].split(): failures.append(f'{where}: {key} {value!r} is no value of the schema')
    failures.extend(f'{where} has no {key}' for key, (_, required) in schema.items() if required and key not in mapping)
    return mapping

def product_version(setup):  # the ProductVersion text of the installer's version resource
    data = open(setup, 'rb').read()
    at = data.find('ProductVersion'.encode('utf-16-le'))
    return data[at + 28:at + 100].decode('utf-16-le', 'replace').lstrip('\0').split('\0')[0] if at >= 0 else None

setups = {'x86': sys.argv[2], 'x64': sys.argv[3]}
names = {'version': 'Wavorin.Wavorin.yaml', 'installer': 'Wavorin.Wavorin.installer.yaml',
         'defaultLocale': 'Wavorin.Wavorin.locale.en-US.yaml'}
version = product_version(setups['x64'])
if not version or product_version(setups['x86']) != version: failures.append('the installers carry different versions')
manifests = {}
for kind, name in names.items():
    manifests[kind] = check_keys(name, yaml.safe_load(open(os.path.join(sys.argv[1], name), encoding='utf-8')), SCHEMA[kind]) or {}
    for key, expected in {'ManifestType': kind, 'ManifestVersion': '1.6.0', 'PackageIdentifier': 'Wavorin.Wavorin',
                          'PackageVersion': version}.items():
        if manifests[kind].get(key) != expected: failures.append(f'{name}: {key} is {manifests[kind].get(key)!r}, not {expected!r}')
if manifests['version'].get('DefaultLocale') != manifests['defaultLocale'].get('PackageLocale'):
    failures.append('the default locale has no file')

# The installers: per-user NSIS with its switches, modes and exit codes.
installer = manifests['installer']
switches = installer.get('InstallerSwitches', {})
failures.extend(f'InstallerSwitches: {key} is no switch of the schema' for key in set(switches) - SWITCHES)
for key, value, expected in [(key, installer.get(key), expected) for key, expected in
                             (('InstallerType', 'nullsoft'), ('Scope', 'user'), ('UpgradeBehavior', 'install'))] + \
                            [(key, switches.get(key), expected) for key, expected in
                             (('Silent', '/S'), ('SilentWithProgress', '/S'), ('InstallLocation', '/D=<INSTALLPATH>'))] + \
                            [('InstallModes', sorted(installer.get('InstallModes', [])), ['interactive', 'silent', 'silentWithProgress'])]:
    if value != expected: failures.append(f'{key} is {value!r}, not {expected!r}')
codes = {entry.get('InstallerReturnCode'): entry.get('ReturnResponse')
         for entry in installer.get('ExpectedReturnCodes', []) if check_keys('ExpectedReturnCodes', entry, RETURN_CODE)}
if codes.get(3) != 'packageInUse': failures.append(f'exit code 3 (a Wavorin from the folder runs) reads {codes.get(3)!r}')
if 4 not in codes: failures.append('exit code 4 (a folder without a short path) is not mapped')
# Each entry: its architecture, an address of the file that a release can have, the file's hash.
entries = [entry for entry in installer.get('Installers', []) if check_keys('Installers', entry, ENTRY)]
if sorted(entry.get('Architecture') for entry in entries) != ['x64', 'x86']: failures.append('not one x86 and one x64 installer')
for entry in (entry for entry in entries if entry.get('Architecture') in setups):
    setup, address = setups[entry['Architecture']], urllib.parse.urlsplit(str(entry.get('InstallerUrl')))
    if address.scheme != 'https' or PLACEHOLDER_HOST.search(address.hostname or 'localhost'):
        failures.append(f'{entry.get("InstallerUrl")} is no address a release can be published at')
    if os.path.basename(address.path) != os.path.basename(setup): failures.append(f'{address.path} does not name {setup}')
    if str(entry.get('InstallerSha256')).lower() != hashlib.sha256(open(setup, 'rb').read()).hexdigest():
        failures.append(f'the {entry["Architecture"]} hash is not that of {setup}')
print('\n'.join(f'FAILED: {message}' for message in failures) or 'winget manifest: valid, and matches both installers')
sys.exit(1 if failures else 0)
