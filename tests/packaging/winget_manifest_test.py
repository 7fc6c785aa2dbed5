#!/usr/bin/env python3
"""The winget manifest, read by a YAML parser, against the manifest schema 1.6.0 (the keys each
file may hold and must hold, their types and values) and against the installers it describes:
the version they carry, their hashes and file names, the switches and exit codes they have.
Usage: winget_manifest_test.py MANIFEST_DIR WIN32_SETUP.exe WIN64_SETUP.exe"""
import hashlib, os, re, sys, urllib.parse
import yaml

failures = []
def fail(message): failures.append(message)

# The schema's keys (type, required) for each manifest type, as far as a package like this uses them.
S, L, D, I = str, list, dict, int
SCHEMA = {
    'version': {'PackageIdentifier': (S, 1), 'PackageVersion': (S, 1), 'DefaultLocale': (S, 1),
                'ManifestType': (S, 1), 'ManifestVersion': (S, 1)},
    'installer': {**{k: (S, 1) for k in ('PackageIdentifier', 'PackageVersion', 'ManifestType', 'ManifestVersion')},
                  'Installers': (L, 1), 'InstallerType': (S, 0), 'Scope': (S, 0), 'InstallModes': (L, 0),
                  'InstallerSwitches': (D, 0), 'ExpectedReturnCodes': (L, 0), 'InstallerSuccessCodes': (L, 0),
                  'UpgradeBehavior': (S, 0), 'ProductCode': (S, 0), 'Platform': (L, 0), 'MinimumOSVersion': (S, 0),
                  'InstallerLocale': (S, 0), 'ReleaseDate': (S, 0), 'AppsAndFeaturesEntries': (L, 0),
                  'ElevationRequirement': (S, 0), 'InstallationMetadata': (D, 0), 'Commands': (L, 0)},
    'defaultLocale': {**{k: (S, 1) for k in ('PackageIdentifier', 'PackageVersion', 'PackageLocale', 'Publisher',
                                             'PackageName', 'License', 'ShortDescription', 'ManifestType', 'ManifestVersion')},
                      **{k: (S, 0) for k in ('PublisherUrl', 'PublisherSupportUrl', 'PrivacyUrl', 'Author', 'PackageUrl',
                                             'LicenseUrl', 'Copyright', 'CopyrightUrl', 'Description', 'Moniker',
                                             'ReleaseNotes', 'ReleaseNotesUrl', 'InstallationNotes')},
                      'Tags': (L, 0)},
}
ENTRY = {'Architecture': (S, 1), 'InstallerUrl': (S, 1), 'InstallerSha256': (S, 1), 'InstallerType': (S, 0),
         'Scope': (S, 0), 'InstallerSwitches': (D, 0), 'ProductCode': (S, 0)}
RETURN_CODE = {'InstallerReturnCode': (I, 1), 'ReturnResponse': (S, 1), 'ReturnResponseUrl': (S, 0)}
SWITCHES = {'Silent', 'SilentWithProgress', 'Interactive', 'InstallLocation', 'Log', 'Upgrade', 'Custom'}
ENUMS = {'InstallerType': {'msix', 'msi', 'appx', 'exe', 'zip', 'inno', 'nullsoft', 'wix', 'burn', 'pwa', 'portable'},
         'Scope': {'user', 'machine'}, 'UpgradeBehavior': {'install', 'uninstallPrevious', 'deny'},
         'Architecture': {'x86', 'x64', 'arm', 'arm64', 'neutral'},
         'ReturnResponse': {'packageInUse', 'packageInUseByApplication', 'installInProgress', 'fileInUse',
                            'missingDependency', 'diskFull', 'insufficientMemory', 'invalidParameter', 'noNetwork',
                            'contactSupport', 'rebootRequiredToFinish', 'rebootRequiredForInstall', 'rebootInitiated',
                            'cancelledByUser', 'alreadyInstalled', 'downgrade', 'blockedByPolicy',
                            'systemNotSupported', 'custom'}}
MODES = {'interactive', 'silent', 'silentWithProgress'}
# Hosts that can never be where a release is published (RFC 2606, RFC 6761).
PLACEHOLDER_HOST = re.compile(r'(^|\.)(example(\.(com|net|org))?|invalid|test|localhost)$')

def check_keys(where, mapping, rules):
    if not isinstance(mapping, dict):
        return fail(f'{where} is not a mapping')
    for key, value in mapping.items():
        if key not in rules: fail(f'{where}: {key} is no field of the schema')
        elif type(value) is not rules[key][0]: fail(f'{where}: {key} is a {type(value).__name__}, not a {rules[key][0].__name__}')
        elif key in ENUMS and value not in ENUMS[key]: fail(f'{where}: {key} {value!r} is no value of the schema')
    for key, (_, required) in rules.items():
        if required and key not in mapping: fail(f'{where} has no {key}')

def product_version(setup):  # the ProductVersion text of the installer's version resource
    data = open(setup, 'rb').read()
    at = data.find('ProductVersion'.encode('utf-16-le'))
    return data[at + 28:at + 100].decode('utf-16-le', 'replace').lstrip('\0').split('\0')[0] if at >= 0 else None

directory, setups = sys.argv[1], {'x86': sys.argv[2], 'x64': sys.argv[3]}
files = {'version': 'Wavorin.Wavorin.yaml', 'installer': 'Wavorin.Wavorin.installer.yaml',
         'defaultLocale': 'Wavorin.Wavorin.locale.en-US.yaml'}
manifests = {}
for kind, name in files.items():
    with open(os.path.join(directory, name), encoding='utf-8') as stream:
        manifests[kind] = yaml.safe_load(stream)
    check_keys(name, manifests[kind], SCHEMA[kind])
    if manifests[kind].get('ManifestType') != kind: fail(f'{name} is not of type {kind}')
    if manifests[kind].get('ManifestVersion') != '1.6.0': fail(f'{name} is not manifest version 1.6.0')

# One package, at the version both installers carry.
version = product_version(setups['x64'])
if not version or product_version(setups['x86']) != version:
    fail(f'the installers carry versions {version!r} and {product_version(setups["x86"])!r}')
for kind, manifest in manifests.items():
    if manifest.get('PackageIdentifier') != 'Wavorin.Wavorin':
        fail(f'{files[kind]} names package {manifest.get("PackageIdentifier")!r}')
    if manifest.get('PackageVersion') != version:
        fail(f'{files[kind]} gives version {manifest.get("PackageVersion")!r}, the installers {version!r}')
if manifests['version'].get('DefaultLocale') != manifests['defaultLocale'].get('PackageLocale'):
    fail('the default locale has no file')

# The installers: per-user NSIS with its switches, modes and exit codes.
installer = manifests['installer']
for key, expected in {'InstallerType': 'nullsoft', 'Scope': 'user', 'UpgradeBehavior': 'install'}.items():
    if installer.get(key) != expected: fail(f'{key} is {installer.get(key)!r}, not {expected!r}')
switches = installer.get('InstallerSwitches', {})
for key in set(switches) - SWITCHES: fail(f'InstallerSwitches: {key} is no switch of the schema')
for key, expected in {'Silent': '/S', 'SilentWithProgress': '/S', 'InstallLocation': '/D=<INSTALLPATH>'}.items():
    if switches.get(key) != expected: fail(f'the {key} switch is {switches.get(key)!r}, not {expected!r}')
if set(installer.get('InstallModes', [])) != MODES:
    fail(f'InstallModes are {installer.get("InstallModes")}, not {sorted(MODES)}')
codes = {}
for entry in installer.get('ExpectedReturnCodes', []):
    check_keys('ExpectedReturnCodes', entry, RETURN_CODE)
    codes[entry.get('InstallerReturnCode')] = entry.get('ReturnResponse')
if codes.get(3) != 'packageInUse': fail(f'exit code 3 (a Wavorin from the folder runs) reads {codes.get(3)!r}, not packageInUse')
if 4 not in codes: fail('exit code 4 (a folder without a short path) is not mapped')
# Each entry: its architecture, an address of the file that a release can have, the file's hash.
entries = [e for e in installer.get('Installers', []) if not check_keys('Installers', e, ENTRY) and isinstance(e, dict)]
if sorted(e.get('Architecture') for e in entries) != ['x64', 'x86']: fail('the installers are not one x86 and one x64')
for entry in (e for e in entries if e.get('Architecture') in setups):
    setup, address = setups[entry['Architecture']], urllib.parse.urlsplit(str(entry.get('InstallerUrl')))
    if address.scheme != 'https' or not address.hostname or PLACEHOLDER_HOST.search(address.hostname):
        fail(f'{entry.get("InstallerUrl")} is no address a release can be published at')
    if os.path.basename(address.path) != os.path.basename(setup):
        fail(f'{entry.get("InstallerUrl")} does not name {os.path.basename(setup)}')
    if str(entry.get('InstallerSha256')).lower() != hashlib.sha256(open(setup, 'rb').read()).hexdigest():
        fail(f'the {entry["Architecture"]} hash is not that of {os.path.basename(setup)}')

for message in failures: print('FAILED:', message)
if not failures: print('winget manifest: valid, and matches both installers')
sys.exit(1 if failures else 0)
