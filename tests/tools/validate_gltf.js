// Validates each glTF file named on the command line with the Khronos validator; prints its
// issues and exits with 1 when any file has an error.
const fs = require('fs');
const validator = require('gltf-validator');

async function main(files) {
    let failed = false;
    for (const file of files) {
        const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)));
        const issues = report.issues;
        console.log(`${file}: ${issues.numErrors} errors, ${issues.numWarnings} warnings`);
        for (const message of issues.messages) {
            console.log(`  ${message.code} ${message.pointer || ''}: ${message.message}`);
        }
        failed = failed || issues.numErrors > 0;
    }
    process.exit(failed ? 1 : 0);
}

main(process.argv.slice(2)).catch((error) => {
    console.error(error);
    process.exit(1);
});
